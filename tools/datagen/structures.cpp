// What the figures build on the map, 32 x 32 and keyed over the ground: the Indians' tepee,
// the farmers' house, both standing and knocked down, and the six pieces of a cowboy's rail
// fence, whose rails run through the middle of each cell so that the pieces join into a pen.
#include <algorithm>
#include <cmath>
#include <vector>

#include "datagen/art.h"

namespace datagen {

namespace {

Colour shadowColour() {
    return palette().shade(Ramp::Foliage, 1);
}
Colour outlineColour() {
    return palette().shade(Ramp::Earth, 1);
}

// Lays a shadow under everything drawn so far.
void underlay(Canvas& picture, const Canvas& shadow) {
    Canvas result = shadow;
    result.blit(picture, 0, 0);
    picture = result;
}

Canvas paintTepee() {
    const GamePalette& p = palette();
    Canvas tepee(32, 32);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{10, 0}, {21, 0}, {15, 0}}) {
        tepee.line(16, 7, x, y, p.shade(Ramp::Wood, 5));
    }
    auto inCone = [](double x, double y) {
        if (y < 5.0 || y > 29.0) {
            return false;
        }
        const double half = (y - 5.0) / 22.0 * 12.5;
        const double dy = (y - 26.8) / 2.4;
        return std::abs(x - 16.0) <= half ||
               (dy > 0 && (x - 16.0) * (x - 16.0) / 156.0 + dy * dy <= 1.0);
    };
    tepee.paint(inCone, [&](int x, int y) {
        // Lit from the left; seams run down from the smoke hole.
        const double across = (x + 0.5 - 16.0) / std::max(1.0, (y - 4.0) / 22.0 * 12.5);
        const double seam = std::abs(std::fmod(across * 2.5 + 10.0, 1.0) - 0.5);
        double level = 9.6 - across * 2.6;
        if (seam < 0.08 && y > 8) {
            level -= 2.0;
        }
        return p.dithered(Ramp::Sand, level, x, y);
    });
    // Painted bands: red zigzag over a dark line, a blue ring near the top.
    for (int x = 0; x < 32; ++x) {
        for (int y = 17; y <= 20; ++y) {
            if (!inCone(x + 0.5, y + 0.5)) {
                continue;
            }
            const bool zig = (y - 17) <= std::abs((x % 6) - 3);
            tepee.set(x, y,
                      y == 20 ? p.shade(Ramp::Grey, 2)
                      : zig   ? p.shade(Ramp::Red, 6)
                              : tepee.at(x, y));
        }
        if (inCone(x + 0.5, 11.5)) {
            tepee.set(x, 11, p.shade(Ramp::Cloth, 5));
        }
    }
    tepee.ellipse(16.0, 28.0, 3.6, 7.5, p.shade(Ramp::Earth, 1)); // the door
    tepee.line(16, 21, 16, 28, p.shade(Ramp::Earth, 0));
    tepee.set(12, 7, p.shade(Ramp::Sand, 4)); // smoke flaps
    tepee.set(19, 7, p.shade(Ramp::Sand, 4));
    tepee.outline(outlineColour());
    Canvas shadow(32, 32);
    shadow.ellipse(18.5, 28.5, 13.0, 3.2, shadowColour());
    underlay(tepee, shadow);
    return tepee;
}

Canvas paintTepeeDown() {
    const GamePalette& p = palette();
    Canvas heap(32, 32);
    // Three poles still leaning together over a heap of canvas.
    heap.thickLine(16, 5, 6, 27, 1.3, p.shade(Ramp::Wood, 6));
    heap.thickLine(16, 5, 27, 26, 1.3, p.shade(Ramp::Wood, 5));
    heap.thickLine(3, 22, 29, 16, 1.3, p.shade(Ramp::Wood, 7));
    heap.ellipse(13.0, 24.0, 10.0, 4.2, p.shade(Ramp::Sand, 8));
    heap.recolour([&](int x, int y, Colour c) {
        if (c == p.shade(Ramp::Sand, 8) && (x + 2 * y) % 7 == 0) {
            return p.shade(Ramp::Sand, 5); // folds
        }
        if (c == p.shade(Ramp::Sand, 8) && y == 23 && x > 6 && x < 16) {
            return p.shade(Ramp::Red, 6); // a torn piece of the band
        }
        return c;
    });
    heap.thickLine(20, 21, 26, 25, 1.0, p.shade(Ramp::Wood, 4));
    heap.outline(outlineColour());
    Canvas shadow(32, 32);
    shadow.ellipse(16.0, 27.0, 13.0, 3.5, shadowColour());
    underlay(heap, shadow);
    return heap;
}

Canvas paintFarmHouse() {
    const GamePalette& p = palette();
    Canvas house(32, 32);
    house.fillRect(21, 1, 4, 7, p.shade(Ramp::Roof, 3)); // chimney
    house.fillRect(21, 1, 4, 1, p.shade(Ramp::Grey, 4));
    house.polygon({{2.0, 15.5}, {30.0, 15.5}, {25.5, 4.0}, {6.5, 4.0}}, p.shade(Ramp::Roof, 5));
    house.recolour([&](int x, int y, Colour c) {
        if (c != p.shade(Ramp::Roof, 5)) {
            return c;
        }
        if (y == 4) {
            return p.shade(Ramp::Roof, 8); // ridge
        }
        if ((y - 4) % 3 == 0) {
            return p.shade(Ramp::Roof, 3);
        }
        return ((x + (y / 3) * 2) % 5 == 0) ? p.shade(Ramp::Roof, 4)
                                            : p.shadeAt(Ramp::Roof, 0.62 - x / 200.0);
    });
    house.fillRect(5, 15, 22, 13, p.shade(Ramp::Sand, 10));
    house.recolour([&](int x, int y, Colour c) {
        if (c == p.shade(Ramp::Sand, 10) && y % 3 == 0) {
            return p.shade(Ramp::Sand, 8);
        }
        if (c == p.shade(Ramp::Sand, 10) && x > 22) {
            return p.shade(Ramp::Sand, 9);
        }
        return c;
    });
    house.fillRect(3, 15, 26, 1, p.shade(Ramp::Roof, 2)); // the eave's shadow
    house.fillRect(14, 19, 5, 9, p.shade(Ramp::Wood, 4));
    house.fillRect(15, 20, 3, 7, p.shade(Ramp::Wood, 6));
    house.set(17, 23, p.shade(Ramp::Gold, 9));
    for (int left : {7, 21}) {
        house.fillRect(left, 18, 5, 5, p.shade(Ramp::Grey, 14));
        house.fillRect(left + 1, 19, 3, 3, p.shade(Ramp::Cloth, 3));
        house.set(left + 1, 19, p.shade(Ramp::Sky, 10));
        house.fillRect(left - 1, 18, 1, 5, p.shade(Ramp::Cloth, 6)); // shutters
        house.fillRect(left + 5, 18, 1, 5, p.shade(Ramp::Cloth, 6));
    }
    house.outline(outlineColour());
    Canvas shadow(32, 32);
    shadow.ellipse(19.0, 28.5, 14.0, 3.0, shadowColour());
    underlay(house, shadow);
    return house;
}

Canvas paintFarmHouseDown() {
    const GamePalette& p = palette();
    Canvas pile(32, 32);
    // Planks every which way, a few roof shingles and a door lying flat.
    const struct {
        double x0, y0, x1, y1;
        int shade;
    } planks[] = {{4, 20, 26, 14, 8},  {6, 26, 28, 23, 7}, {3, 16, 18, 28, 9},
                  {14, 10, 27, 27, 6}, {9, 12, 22, 20, 8}, {19, 11, 29, 19, 7}};
    for (const auto& plank : planks) {
        pile.thickLine(plank.x0, plank.y0, plank.x1, plank.y1, 2.2,
                       p.shade(Ramp::Wood, plank.shade));
        pile.line(static_cast<int>(plank.x0), static_cast<int>(plank.y0) - 1,
                  static_cast<int>(plank.x1), static_cast<int>(plank.y1) - 1,
                  p.shade(Ramp::Wood, 11));
    }
    pile.polygon({{10, 21}, {16, 19}, {18, 25}, {12, 27}}, p.shade(Ramp::Wood, 4));
    for (const auto& [x, y] :
         std::vector<std::pair<int, int>>{{5, 13}, {23, 24}, {25, 9}, {8, 25}}) {
        pile.fillRect(x, y, 3, 2, p.shade(Ramp::Roof, 5));
        pile.set(x, y, p.shade(Ramp::Roof, 7));
    }
    pile.outline(outlineColour());
    Canvas shadow(32, 32);
    shadow.ellipse(17.0, 24.0, 14.0, 6.0, shadowColour());
    underlay(pile, shadow);
    return pile;
}

// A rail fence piece: a post in the middle of the cell and two rails to each named side.
Canvas paintFence(bool north, bool south, bool west, bool east) {
    const GamePalette& p = palette();
    Canvas fence(32, 32);
    const Colour light = p.shade(Ramp::Wood, 10);
    const Colour dark = p.shade(Ramp::Wood, 7);
    const int from = 15;
    for (int rail : {12, 18}) {
        if (north || south) {
            const int top = north ? 0 : from;
            const int bottom = south ? 31 : 16;
            fence.fillRect(rail, top, 1, bottom - top + 1, light);
            fence.fillRect(rail + 1, top, 1, bottom - top + 1, dark);
        }
        if (west || east) {
            const int left = west ? 0 : from;
            const int right = east ? 31 : 16;
            fence.fillRect(left, rail, right - left + 1, 1, light);
            fence.fillRect(left, rail + 1, right - left + 1, 1, dark);
        }
    }
    fence.fillRect(12, 12, 8, 8, p.shade(Ramp::Wood, 6));
    fence.fillRect(12, 12, 7, 7, p.shade(Ramp::Wood, 8));
    fence.fillRect(13, 13, 5, 5, p.shade(Ramp::Wood, 9));
    fence.set(15, 15, p.shade(Ramp::Wood, 6)); // the post's grain
    fence.set(14, 16, p.shade(Ramp::Wood, 7));
    fence.outline(p.shade(Ramp::Wood, 2));
    // The shadow falls down and to the right.
    Canvas shadow(32, 32);
    const Colour shade = shadowColour();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            // Sampling stays inside the cell, so rails that leave it keep their shadow to the
            // edge and the shadows of neighbouring pieces meet.
            const Colour above = fence.at(std::max(x - 2, 0), std::max(y - 2, 0));
            if (above != Key && above != p.shade(Ramp::Wood, 2)) {
                shadow.set(x, y, shade);
            }
        }
    }
    underlay(fence, shadow);
    return fence;
}

} // namespace

Canvas paintStructure(Structure::Tile structure) {
    switch (structure) {
    case Structure::Tepee:
        return paintTepee();
    case Structure::TepeeDown:
        return paintTepeeDown();
    case Structure::FarmHouse:
        return paintFarmHouse();
    case Structure::FarmHouseDown:
        return paintFarmHouseDown();
    case Structure::Fence_RLSide:
        return paintFence(true, true, false, false);
    case Structure::Fence_TBSide:
        return paintFence(false, false, true, true);
    case Structure::Fence_TLCorner:
        return paintFence(false, true, false, true);
    case Structure::Fence_TRCorner:
        return paintFence(false, true, true, false);
    case Structure::Fence_BLCorner:
        return paintFence(true, false, false, true);
    case Structure::Fence_BRCorner:
        return paintFence(true, false, true, false);
    default:
        return Canvas(32, 32);
    }
}

} // namespace datagen
