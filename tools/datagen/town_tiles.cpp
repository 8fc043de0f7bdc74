// The town's ground tiles: roofs and south-facing walls of the buildings, stone columns on
// the grass, and the scorched ground where the town burnt: ash, blast craters and a bomb
// that never went off.
#include <cmath>

#include "datagen/art.h"
#include "datagen/ground.h"
#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

constexpr int Tile = 32;

Canvas grassTile() {
    Canvas tile(Tile, Tile);
    tile.recolour([](int x, int y, Colour) { return grassAt(x, y); });
    return tile;
}

Canvas burntTile() {
    Canvas tile(Tile, Tile);
    tile.recolour([](int x, int y, Colour) { return burntAt(x, y); });
    return tile;
}

// Weathered wooden shingles in rows of four pixels, split at uneven places; the pattern
// repeats every 32 pixels so roofs of any size are seamless.
Colour shingleAt(int x, int y) {
    const GamePalette& p = palette();
    x = ((x % Tile) + Tile) % Tile;
    y = ((y % Tile) + Tile) % Tile;
    const int row = y / 4;
    const int inRow = y % 4;
    // Where this row's shingles are split, and which shingle x falls in.
    int shingle = 0;
    int splitAt = -1;
    for (int split = static_cast<int>(hashPoint(row, 0, 70) % 6); split < Tile;
         split += 5 + static_cast<int>(hashPoint(row, split, 71) % 4)) {
        if (split <= x) {
            ++shingle;
            splitAt = split;
        }
    }
    if (inRow == 3) {
        return p.shade(Ramp::Roof, 1); // the shadow under the row above
    }
    if (x == splitAt && inRow >= 1) {
        return p.shade(Ramp::Roof, 2);
    }
    const double variation = random01(shingle, row, 72) * 1.8;
    double level = 3.6 + variation - inRow * 0.5;
    if (inRow == 0) {
        level += 1.0;
    }
    return p.dithered(Ramp::Roof, level + (random01(x, y, 73) - 0.5) * 0.8, x, y);
}

} // namespace

Canvas paintBuildingTop() {
    // A gable seen from the front: the far slope in shade above the ridge, the near slope
    // lit below it.
    const GamePalette& p = palette();
    Canvas tile(Tile, Tile);
    tile.recolour([&](int x, int y, Colour) {
        if (y < 6) {
            return p.shift(shingleAt(x * 2, y * 2 + 1), -2);
        }
        if (y == 6) {
            return p.shade(Ramp::Roof, 1);
        }
        if (y == 7) {
            return p.shade(Ramp::Roof, 8);
        }
        if (y == 8) {
            return p.shade(Ramp::Roof, 5);
        }
        return shingleAt(x, y - 9);
    });
    return tile;
}

Canvas paintBuilding() {
    const GamePalette& p = palette();
    Canvas wall(Tile, Tile);
    // The roof's lowest shingles and the shadow under the eave.
    wall.recolour([&](int x, int y, Colour) {
        if (y < 4) {
            return shingleAt(x, y);
        }
        if (y < 6) {
            return p.shade(Ramp::Wood, 2);
        }
        if (y >= 27) { // the boardwalk along the street
            if (y == 27) {
                return p.shade(Ramp::Wood, 3);
            }
            return (x % 8 == 0) ? p.shade(Ramp::Wood, 4)
                                : p.dithered(Ramp::Wood, 7.2 + random01(x, y, 73), x, y);
        }
        // Upright planks.
        if (x % 4 == 3) {
            return p.shade(Ramp::Wood, 7);
        }
        return p.dithered(Ramp::Wood,
                          10.0 + (random01(x / 4, y, 74) - 0.5) * 1.2 - (y < 8 ? 1.5 : 0.0), x, y);
    });
    // A window with a lit lamp behind it.
    wall.fillRect(3, 9, 11, 11, p.shade(Ramp::Wood, 4));
    wall.fillRect(4, 10, 9, 9, p.shade(Ramp::Cloth, 2));
    wall.fillRect(4, 10, 4, 4, p.shade(Ramp::Gold, 6));
    wall.fillRect(9, 15, 4, 4, p.shade(Ramp::Cloth, 3));
    wall.fillRect(8, 10, 1, 9, p.shade(Ramp::Wood, 4));
    wall.fillRect(4, 14, 9, 1, p.shade(Ramp::Wood, 4));
    wall.set(5, 11, p.shade(Ramp::Gold, 10));
    wall.fillRect(2, 20, 13, 1, p.shade(Ramp::Wood, 12));
    // A door with a brass knob.
    wall.fillRect(18, 9, 10, 18, p.shade(Ramp::Wood, 3));
    wall.fillRect(19, 10, 8, 17, p.shade(Ramp::Wood, 5));
    wall.fillRect(19, 10, 8, 1, p.shade(Ramp::Wood, 3));
    wall.fillRect(22, 10, 1, 17, p.shade(Ramp::Wood, 4));
    wall.set(25, 18, p.shade(Ramp::Gold, 9));
    wall.set(20, 18, p.shade(Ramp::Gold, 9));
    return wall;
}

Canvas paintColumn() {
    const GamePalette& p = palette();
    Canvas tile = grassTile();
    // Shadow to the lower right, plinth, shaft lit from the left, capital.
    tile.paint(
        [](double x, double y) { return std::abs(y - 26.5) < 3.0 && x > 9 && x < 29 + (y - 26.5); },
        [&](int x, int y) { return p.shift(grassAt(x, y), -6); });
    tile.fillRect(7, 23, 18, 6, p.shade(Ramp::Stone, 5));
    tile.fillRect(7, 23, 18, 2, p.shade(Ramp::Stone, 8));
    tile.fillRect(7, 28, 18, 1, p.shade(Ramp::Stone, 2));
    for (int x = 10; x <= 21; ++x) {
        const double across = (x - 10) / 11.0;
        const double level = 8.5 - std::abs(across - 0.3) * 7.0;
        for (int y = 7; y < 23; ++y) {
            const bool flute = (x - 10) % 3 == 2;
            tile.set(x, y,
                     p.dithered(Ramp::Stone,
                                level - (flute ? 1.2 : 0.0) + (random01(x, y, 75) - 0.5) * 0.6, x,
                                y));
        }
    }
    tile.fillRect(8, 3, 16, 4, p.shade(Ramp::Stone, 7));
    tile.fillRect(8, 3, 16, 1, p.shade(Ramp::Stone, 9));
    tile.fillRect(8, 6, 16, 1, p.shade(Ramp::Stone, 3));
    tile.frameRect(7, 2, 18, 6, p.shade(Ramp::Stone, 1));
    tile.frameRect(6, 22, 20, 8, p.shade(Ramp::Stone, 1));
    tile.fillRect(9, 7, 1, 15, p.shade(Ramp::Stone, 1));
    tile.fillRect(22, 7, 1, 15, p.shade(Ramp::Stone, 1));
    return tile;
}

Canvas paintBurnt() {
    return burntTile();
}

Canvas paintBlast() {
    const GamePalette& p = palette();
    Canvas tile = burntTile();
    tile.recolour([&](int x, int y, Colour c) {
        const double dx = x + 0.5 - 16.0;
        const double dy = y + 0.5 - 16.5;
        const double d = std::hypot(dx, dy);
        const double angle = std::atan2(dy, dx);
        const double streak = 0.5 + 0.5 * std::sin(angle * 7.0 + 1.3) * std::sin(angle * 3.0);
        if (d < 7.5) { // the crater floor, darker to the upper left in its own shadow
            return p.dithered(Ramp::Earth, 3.2 + (dx + dy) / 7.0 + random01(x, y, 76), x, y);
        }
        if (d < 10.0) { // the thrown-up rim
            return p.dithered(Ramp::Earth, 8.0 - (dx + dy) / 6.0 + random01(x, y, 77), x, y);
        }
        if (d < 14.0 + streak * 3.0) { // soot
            return random01(x, y, 78) < 0.8
                       ? p.shade(Ramp::Grey, 1 + static_cast<int>(random01(x, y, 79) * 2))
                       : c;
        }
        return c;
    });
    return tile;
}

Canvas paintDropBomb() {
    const GamePalette& p = palette();
    Canvas tile = burntTile();
    tile.ellipse(17.5, 25.0, 9.0, 3.0, p.shade(Ramp::Grey, 1)); // its dent in the ground
    tile.disc(15.5, 18.5, 7.5, p.shade(Ramp::Grey, 2));
    tile.paint([](double x, double y) { return std::hypot(x - 13.5, y - 16.0) < 3.5; },
               [&](int, int) { return p.shade(Ramp::Grey, 5); });
    tile.set(12, 14, p.shade(Ramp::Grey, 11));
    tile.set(13, 14, p.shade(Ramp::Grey, 9));
    tile.set(12, 15, p.shade(Ramp::Grey, 9));
    tile.fillRect(18, 9, 4, 3, p.shade(Ramp::Stone, 5)); // the cap
    tile.fillRect(18, 9, 4, 1, p.shade(Ramp::Stone, 8));
    // The fuse, still burning.
    tile.line(20, 8, 22, 5, p.shade(Ramp::Sand, 6));
    tile.line(22, 5, 24, 4, p.shade(Ramp::Sand, 6));
    tile.set(25, 3, p.shade(Ramp::Gold, 11));
    tile.set(24, 3, p.shade(Ramp::Fire, 6));
    tile.set(26, 3, p.shade(Ramp::Fire, 6));
    tile.set(25, 2, p.shade(Ramp::Fire, 6));
    tile.set(25, 4, p.shade(Ramp::Fire, 6));
    tile.set(27, 1, p.shade(Ramp::Gold, 9));
    tile.set(23, 1, p.shade(Ramp::Gold, 9));
    return tile;
}

} // namespace datagen
