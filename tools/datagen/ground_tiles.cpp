// Grass, water and the banks between them. A bank tile draws its shore from a distance
// field: each pixel's distance to the shore line decides grass, sand, foam or water, and the
// shore meets its neighbours' at the same point of every tile edge.
#include "datagen/ground.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

constexpr int Tile = 32;
// How far into a bank tile, from its land side, the shore runs.
constexpr double ShoreInset = 11.0;

int wrapTile(int value) {
    return ((value % Tile) + Tile) % Tile;
}

// A gentle wobble of the shore along the tile, zero at both ends so that pieces join.
double shoreWobble(double along) {
    const double turn = 2.0 * std::numbers::pi * along / Tile;
    return 1.4 * std::sin(turn) - 0.7 * std::sin(2.0 * turn);
}

// Signed distance from a pixel centre to the shore, positive on the land side.
double shoreDistance(Ground::Tile bank, double px, double py) {
    const double water = Tile - ShoreInset; // radius of a corner's rounded water
    switch (bank) {
    case Ground::LeftBank: // land to the west
        return ShoreInset + shoreWobble(py) - px;
    case Ground::RightBank:
        return px - (Tile - ShoreInset - shoreWobble(py));
    case Ground::TopBank: // land to the north
        return ShoreInset + shoreWobble(px) - py;
    case Ground::BottomBank:
        return py - (Tile - ShoreInset - shoreWobble(px));
    case Ground::TopLftBank: // water in the south-east quarter
        return std::hypot(px - Tile, py - Tile) - water;
    case Ground::TopRhtBank:
        return std::hypot(px, py - Tile) - water;
    case Ground::BotLftBank:
        return std::hypot(px - Tile, py) - water;
    case Ground::BotRhtBank:
        return std::hypot(px, py) - water;
    default:
        return 100.0;
    }
}

} // namespace

Colour grassAt(int x, int y) {
    // The tile is worked out once: soft mottling, then tufts stamped over it at scattered
    // places, each a dark stroke under a sunlit tip.
    static const Canvas tile = [] {
        const GamePalette& p = palette();
        std::vector<double> level(Tile * Tile);
        for (int ty = 0; ty < Tile; ++ty) {
            for (int tx = 0; tx < Tile; ++tx) {
                const double broad = fractalNoise(tx, ty, 16, 2, 3, 11);
                level[ty * Tile + tx] = 12.0 + (broad - 0.5) * 5.0 + (random01(tx, ty, 12) - 0.5);
            }
        }
        auto add = [&](int x, int y, double amount) {
            level[wrapTile(y) * Tile + wrapTile(x)] += amount;
        };
        for (int tuft = 0; tuft < 26; ++tuft) {
            const std::uint32_t h = hashPoint(tuft, 0, 13);
            const int x = static_cast<int>(h % Tile);
            const int y = static_cast<int>((h >> 8) % Tile);
            switch ((h >> 16) % 3) {
            case 0: // a single blade
                add(x, y, 3.5);
                add(x, y + 1, -3.0);
                break;
            case 1: // a forked tuft
                add(x - 1, y, 3.0);
                add(x + 1, y, 3.0);
                add(x - 1, y + 1, -2.5);
                add(x, y + 1, -3.5);
                add(x + 1, y + 1, -2.5);
                break;
            default: // a leaning blade
                add(x, y, 2.5);
                add(x + 1, y + 1, -2.5);
                add(x + 1, y + 2, -3.0);
                break;
            }
        }
        Canvas result(Tile, Tile);
        result.recolour([&](int tx, int ty, Colour) {
            return p.dithered(Ramp::Grass, level[ty * Tile + tx], tx, ty);
        });
        return result;
    }();
    return tile.at(wrapTile(x), wrapTile(y));
}

Colour waterAt(int x, int y) {
    const GamePalette& p = palette();
    const int tx = wrapTile(x);
    const int ty = wrapTile(y);
    const double broad = fractalNoise(tx, ty, 16, 2, 2, 21);
    double level = 9.6 + (broad - 0.5) * 3.0;
    // Ripples: short bright dashes with a dark trough under them.
    const double ripple =
        std::sin(2.0 * std::numbers::pi * (ty + 3.0 * valueNoise(tx, ty, 8, 4, 22)) / 8.0);
    const double patch = valueNoise(tx, ty, 8, 4, 23);
    if (ripple > 0.86 && patch > 0.55) {
        level += 4.5;
    } else if (ripple < -0.80 && patch > 0.6) {
        level -= 1.5;
    }
    return p.dithered(Ramp::Water, level, tx, ty);
}

Colour burntAt(int x, int y) {
    const GamePalette& p = palette();
    const int tx = wrapTile(x);
    const int ty = wrapTile(y);
    const double broad = fractalNoise(tx, ty, 16, 2, 3, 31);
    const double fine = random01(tx, ty, 32);
    if (fine > 0.985) {
        return p.shade(Ramp::Fire, 3 + static_cast<int>(hashPoint(tx, ty, 33) % 3));
    }
    if (broad > 0.62 && fine > 0.7) {
        return p.shade(Ramp::Olive, 1); // a charred stalk
    }
    return p.dithered(Ramp::Stone, 0.6 + broad * 3.2 + (fine - 0.5) * 1.2, tx, ty);
}

Canvas paintWater() {
    Canvas tile(Tile, Tile);
    tile.recolour([](int x, int y, Colour) { return waterAt(x, y); });
    return tile;
}

Canvas paintGrass() {
    Canvas tile(Tile, Tile);
    tile.recolour([](int x, int y, Colour) { return grassAt(x, y); });
    return tile;
}

Canvas paintBank(Ground::Tile bank) {
    const GamePalette& p = palette();
    Canvas tile(Tile, Tile);
    tile.recolour([&](int x, int y, Colour) {
        const double d =
            shoreDistance(bank, x + 0.5, y + 0.5) + (valueNoise(x, y, 4, 8, 41) - 0.5) * 0.9;
        if (d > 5.5) {
            return grassAt(x, y);
        }
        if (d > 3.6) { // lush, darker grass along the water
            return p.shift(grassAt(x, y), -3);
        }
        if (d > 1.4) { // dry sand
            return p.dithered(Ramp::Sand, 5.0 + (d - 1.4) * 0.8 + (random01(x, y, 42) - 0.5), x, y);
        }
        if (d > 0.0) { // wet sand
            return p.dithered(Ramp::Earth, 9.0 + random01(x, y, 43) * 1.2, x, y);
        }
        if (d > -1.2) { // foam where the water laps
            return random01(x, y, 44) > 0.35 ? p.shade(Ramp::Water, 19) : p.shade(Ramp::Shallow, 6);
        }
        if (d > -4.5) { // shallows
            return p.dithered(Ramp::Shallow, 4.6 + (d + 1.2) * 0.45 + (random01(x, y, 45) - 0.5), x,
                              y);
        }
        if (d > -6.5) {
            return p.dithered(Ramp::Water, 11.5 + random01(x, y, 46), x, y);
        }
        return waterAt(x, y);
    });
    return tile;
}

} // namespace datagen
