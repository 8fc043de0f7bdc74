// The game palette, built from a few anchor colours per ramp. Entry 0 is black, 254 the key
// and 255 white; every entry is distinct.
#include "datagen/palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace datagen {

namespace {

struct Anchor {
    int level;
    Rgb colour;
};

struct RampPlan {
    Ramp ramp;
    int size;
    std::vector<Anchor> anchors; // levels ascending, the first at 0 and the last at size - 1
};

// The ramps in palette order; their sizes add up to 254 (indices 0..253).
const std::vector<RampPlan>& rampPlans() {
    static const std::vector<RampPlan> plans = {
        {Ramp::Grey,
         16,
         {{0, {0, 0, 0}},
          {7, {101, 101, 104}},
          {8, {115, 115, 115}},
          {9, {131, 131, 134}},
          {15, {238, 238, 242}}}},
        {Ramp::Stone, 10, {{0, {40, 36, 34}}, {4, {100, 92, 84}}, {9, {214, 206, 190}}}},
        {Ramp::Grass,
         24,
         {{0, {16, 36, 14}},
          {5, {36, 76, 22}},
          {12, {70, 122, 34}},
          {18, {116, 162, 52}},
          {23, {196, 222, 118}}}},
        {Ramp::Foliage, 10, {{0, {8, 26, 22}}, {4, {26, 66, 44}}, {9, {120, 168, 112}}}},
        {Ramp::Olive, 10, {{0, {50, 48, 18}}, {4, {112, 110, 42}}, {9, {232, 222, 150}}}},
        {Ramp::Water,
         22,
         {{0, {6, 16, 48}},
          {5, {16, 48, 108}},
          {11, {32, 88, 162}},
          {16, {66, 140, 202}},
          {21, {220, 242, 255}}}},
        {Ramp::Shallow, 8, {{0, {18, 62, 72}}, {4, {56, 128, 128}}, {7, {150, 208, 196}}}},
        {Ramp::Earth,
         16,
         {{0, {26, 16, 10}}, {5, {72, 46, 26}}, {10, {128, 88, 52}}, {15, {214, 184, 136}}}},
        {Ramp::Wood,
         16,
         {{0, {36, 18, 8}}, {5, {92, 52, 22}}, {10, {154, 96, 44}}, {15, {238, 196, 126}}}},
        {Ramp::Sand, 12, {{0, {104, 86, 50}}, {5, {184, 154, 86}}, {11, {252, 242, 196}}}},
        {Ramp::Roof, 10, {{0, {48, 16, 12}}, {4, {112, 38, 26}}, {9, {226, 128, 96}}}},
        {Ramp::Red,
         12,
         {{0, {52, 0, 0}},
          {3, {115, 0, 0}},
          {6, {184, 24, 20}},
          {8, {228, 58, 44}},
          {11, {255, 164, 140}}}},
        {Ramp::Fire, 10, {{0, {92, 30, 0}}, {4, {206, 84, 12}}, {9, {255, 226, 128}}}},
        {Ramp::Gold,
         12,
         {{0, {78, 54, 0}}, {4, {170, 122, 12}}, {8, {242, 204, 44}}, {11, {255, 248, 178}}}},
        {Ramp::Skin,
         14,
         {{0, {58, 28, 18}}, {4, {118, 64, 38}}, {8, {182, 112, 72}}, {13, {255, 222, 192}}}},
        {Ramp::Cloth, 10, {{0, {14, 20, 52}}, {4, {32, 54, 116}}, {9, {146, 186, 236}}}},
        {Ramp::Purple, 8, {{0, {32, 10, 42}}, {3, {92, 42, 112}}, {7, {232, 192, 242}}}},
        {Ramp::Rose, 6, {{0, {118, 40, 68}}, {3, {222, 120, 150}}, {5, {255, 204, 218}}}},
        {Ramp::Sky, 14, {{0, {38, 68, 138}}, {6, {92, 142, 212}}, {13, {232, 242, 255}}}},
        {Ramp::Sunset,
         14,
         {{0, {34, 22, 62}}, {4, {120, 52, 92}}, {8, {226, 104, 70}}, {13, {255, 238, 196}}}},
    };
    return plans;
}

std::uint8_t mix(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

Rgb interpolate(const std::vector<Anchor>& anchors, int level) {
    for (std::size_t i = 0; i + 1 < anchors.size(); ++i) {
        const Anchor& low = anchors[i];
        const Anchor& high = anchors[i + 1];
        if (level >= low.level && level <= high.level) {
            const double t = static_cast<double>(level - low.level) / (high.level - low.level);
            return {mix(low.colour.red, high.colour.red, t),
                    mix(low.colour.green, high.colour.green, t),
                    mix(low.colour.blue, high.colour.blue, t)};
        }
    }
    return anchors.back().colour;
}

} // namespace

GamePalette::GamePalette() {
    int next = 0;
    for (const RampPlan& plan : rampPlans()) {
        const int ramp = static_cast<int>(plan.ramp);
        starts_[ramp] = next;
        sizes_[ramp] = plan.size;
        for (int level = 0; level < plan.size; ++level) {
            Rgb colour = interpolate(plan.anchors, level);
            // Two ramps may meet in one colour; nudge the later one until it is unique.
            while (std::find(colours_.begin(), colours_.begin() + next, colour) !=
                   colours_.begin() + next) {
                colour.blue = static_cast<std::uint8_t>(colour.blue < 255 ? colour.blue + 1 : 254);
            }
            colours_[next++] = colour;
        }
    }
    if (next != Key) {
        std::fprintf(stderr, "datagen: the palette ramps fill %d entries, not %d\n", next, Key);
        std::abort();
    }
    colours_[Key] = {255, 0, 255};
    colours_[White] = {255, 255, 255};
}

Colour GamePalette::shade(Ramp ramp, int level) const {
    const int r = static_cast<int>(ramp);
    return static_cast<Colour>(starts_[r] + std::clamp(level, 0, sizes_[r] - 1));
}

Colour GamePalette::shadeAt(Ramp ramp, double fraction) const {
    return shade(ramp, static_cast<int>(std::lround(fraction * (size(ramp) - 1))));
}

Colour GamePalette::dithered(Ramp ramp, double level, int x, int y) const {
    const double base = std::floor(level);
    const int step = (level - base) > bayer(x, y) ? 1 : 0;
    return shade(ramp, static_cast<int>(base) + step);
}

Colour GamePalette::shift(Colour colour, int steps) const {
    for (int ramp = 0; ramp < static_cast<int>(Ramp::Count); ++ramp) {
        if (colour >= starts_[ramp] && colour < starts_[ramp] + sizes_[ramp]) {
            return shade(static_cast<Ramp>(ramp), colour - starts_[ramp] + steps);
        }
    }
    return colour;
}

Colour GamePalette::nearest(Rgb colour) const {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        if (i == Key) {
            continue;
        }
        const int dr = colours_[i].red - colour.red;
        const int dg = colours_[i].green - colour.green;
        const int db = colours_[i].blue - colour.blue;
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<Colour>(best);
}

const GamePalette& palette() {
    static const GamePalette gamePalette;
    return gamePalette;
}

double bayer(int x, int y) {
    static const int matrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (matrix[y & 3][x & 3] + 0.5) / 16.0;
}

} // namespace datagen
