// Lays out the map. The whirlwind starts in column 200, row 20, on open grass on the west
// bank of the stream that closes its country to the east; the target lies on the far bank, in
// plain view but out of reach. The great lake closes the south. Inside lie the Indian camp by
// its lake, the farmland with its chains of lakes and the rivers that join them, the town,
// and the pastures; ponds in groups, brooks, ruined colonnades and bombed ground fill the rest
// from a fixed seed.
#include "datagen/world_map.h"

#include <algorithm>
#include <cmath>

#include "datagen/pixel_noise.h"
#include "datagen/target.h"
#include "datagen/town_map.h"
#include "datagen/waters.h"

namespace datagen {

namespace {

struct Rect {
    int left, top, right, bottom;
};

// The open water laid out by hand, corners inclusive; the banks come round it.
const Rect Lakes[] = {
    {0, 206, 216, 215},   // the great lake: the southern border
    {66, 0, 95, 9},       // the north lake, running off the top of the map
    {0, 60, 6, 111},      // the west lake, off the map's west edge
    {32, 37, 38, 42},     // the lake of the Indian camp
    {27, 46, 28, 47},     // the camp's spring
    {141, 41, 155, 49},   // the farmland lakes: a long one,
    {160, 38, 165, 52},   // a deep narrow one beside it,
    {146, 54, 151, 57},   // and a small one below
    {88, 88, 97, 97},     // the mill lake
    {173, 119, 185, 125}, // the ranch lakes
    {189, 128, 193, 135}, {176, 130, 181, 133},
    {150, 188, 158, 193},                     // the brook's pond in the southern pastures
    {29, 177, 43, 187},                       // the south-west lake
    {18, 196, 32, 205},                       // bays of the great lake
    {96, 199, 122, 205},  {206, 48, 212, 55}, // ponds beyond the stream
    {206, 118, 209, 125}, {210, 160, 216, 169},
};

// Rivers by their bends: each runs from a lake or the map's edge into another lake or river.
const struct {
    std::vector<Waters::Bend> bends;
    int width;
} Rivers[] = {
    // The eastern stream: below the target it widens into a lake and runs into the great lake.
    {{{202, 44}, {202, 205}}, 1},
    // Out of the north lake, south and east into the farmland lakes.
    {{{80, 10}, {80, 27}, {97, 27}, {97, 44}, {141, 44}}, 2},
    // From the top of the map down past the farms into the deep lake.
    {{{121, 0}, {121, 22}, {128, 22}, {128, 34}, {160, 34}, {160, 38}}, 1},
    // Out of the west lake, east to the mill lake, then south to the ranches.
    {{{7, 100}, {40, 100}, {40, 104}, {74, 104}, {74, 95}, {88, 95}}, 2},
    {{{97, 93}, {112, 93}, {112, 112}, {150, 112}, {150, 121}, {173, 121}}, 1},
    // The brook through the southern pastures, through its pond into the great lake.
    {{{154, 150}, {154, 188}}, 1},
    {{{154, 193}, {154, 206}}, 1},
    // Out of the south-west lake into the bay.
    {{{36, 188}, {36, 193}, {25, 193}, {25, 196}}, 1},
};

const Rect StreamLake = {197, 86, 202, 97};

// Ponds in small groups round a few points, each of its own size and shape.
void addPondGroups(Waters& waters, const TerrainMap& town, Random& random) {
    const struct {
        int column, row, ponds;
    } groups[] = {{58, 150, 4},  {112, 182, 3}, {182, 172, 3}, {70, 60, 3},
                  {30, 140, 3},  {120, 75, 2},  {60, 188, 2},  {38, 16, 3},
                  {176, 196, 2}, {150, 78, 3},  {40, 122, 3}};
    const auto clear = [&](int left, int top, int right, int bottom) {
        for (int c = left - 4; c <= right + 4; ++c) {
            for (int r = top - 4; r <= bottom + 4; ++r) {
                if (waters.isWater(c, r) ||
                    town.at(std::clamp(c, 0, MapColumns - 1), std::clamp(r, 0, MapRows - 1)) !=
                        Ground::Grass) {
                    return false;
                }
            }
        }
        return left >= 10 && top >= 12 && right <= 194 && bottom <= 198;
    };
    for (const auto& group : groups) {
        for (int placed = 0, tries = 0; placed < group.ponds && tries < 200; ++tries) {
            // Round pools, long meres and everything between.
            const int width = 1 + random.below(placed == 0 ? 7 : 4);
            const int height = 1 + random.below(placed == 0 ? 5 : 3);
            const int left = group.column + random.below(17) - 8;
            const int top = group.row + random.below(13) - 6;
            if (clear(left, top, left + width - 1, top + height - 1)) {
                waters.lake(left, top, left + width - 1, top + height - 1);
                ++placed;
            }
        }
    }
}

// A ruined colonnade: columns two cells apart in a row or a file, a few of them fallen.
void addColonnade(TerrainMap& map, int column, int row, int count, bool across, Random& random) {
    for (int i = 0; i < count; ++i) {
        const int c = across ? column + 2 * i : column;
        const int r = across ? row : row + 2 * i;
        if (map.at(c, r) == Ground::Grass && (i == 0 || i == count - 1 || random.below(5) != 0)) {
            map.set(c, r, Ground::Collumn);
        }
    }
}

// Bombed ground: overlapping scorched patches round a heart, craters at the heart and a bomb
// or two that never went off at the edge.
void addBombing(TerrainMap& map, int column, int row, int patches, double radius, Random& random) {
    for (int p = 0; p < patches; ++p) {
        // The first patch lies on the heart; the others scatter round it, smaller.
        const double size = p == 0 ? radius : radius * (0.45 + 0.1 * random.below(4));
        const double angle = random.below(360) * 3.14159265 / 180.0;
        const double away = p == 0 ? 0.0 : radius * (0.8 + 0.15 * random.below(4));
        const double cx = column + std::cos(angle) * away;
        const double cy = row + std::sin(angle) * away;
        const double stretch = 0.7 + 0.1 * random.below(6);
        const int reach = static_cast<int>(size * 1.6) + 2;
        for (int c = static_cast<int>(cx) - reach; c <= static_cast<int>(cx) + reach; ++c) {
            for (int r = static_cast<int>(cy) - reach; r <= static_cast<int>(cy) + reach; ++r) {
                const double ragged = (valueNoise(c, r, 3, 0, 301 + p) - 0.5) * size * 0.9;
                if (std::hypot((c - cx) * stretch, (r - cy) / stretch) < size + ragged &&
                    map.at(c, r) == Ground::Grass) {
                    map.set(c, r, Ground::Burnt);
                }
            }
        }
    }
    const MapCell heart[] = {{0, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, -1}};
    const int craters = radius >= 3.0 ? 3 : 1;
    for (int i = 0; i < craters; ++i) {
        if (map.at(column + heart[i].column, row + heart[i].row) == Ground::Burnt) {
            map.set(column + heart[i].column, row + heart[i].row, Ground::Blast);
        }
    }
    for (int i = 0, bombs = static_cast<int>(radius) / 2; i < 12 && bombs > 0; ++i) {
        const int c =
            column + random.below(2 * static_cast<int>(radius) + 1) - static_cast<int>(radius);
        const int r =
            row + random.below(2 * static_cast<int>(radius) + 1) - static_cast<int>(radius);
        if (map.at(c, r) == Ground::Burnt && std::hypot(c - column, r - row) > 1.5) {
            map.set(c, r, Ground::DropBomb);
            --bombs;
        }
    }
}

void addLandmarks(TerrainMap& map) {
    Random random(77);
    // The town's east end burnt down, bombs and all; a chimney still stands.
    addBombing(map, 153, 140, 3, 3.5, random);
    map.set(155, 136, Ground::Collumn);
    // Bombing runs: each a chain of bombed ground with its worst at the heart.
    const struct {
        int column, row, patches;
        double radius;
    } bombings[] = {{60, 40, 2, 2.0},   {66, 44, 4, 3.5},  {73, 47, 2, 2.0},  {100, 130, 3, 3.0},
                    {176, 92, 3, 2.5},  {182, 96, 2, 1.5}, {40, 160, 4, 3.0}, {130, 178, 3, 3.0},
                    {137, 182, 2, 1.5}, {90, 60, 2, 2.0},  {24, 122, 2, 2.0}, {64, 132, 3, 2.5}};
    for (const auto& bombing : bombings) {
        addBombing(map, bombing.column, bombing.row, bombing.patches, bombing.radius, random);
    }
    // A ring of standing stones in the southern pasture.
    const MapCell stones[] = {{92, 160}, {95, 159}, {98, 160}, {99, 163},
                              {98, 166}, {95, 167}, {92, 166}, {91, 163}};
    for (const MapCell& stone : stones) {
        map.set(stone.column, stone.row, Ground::Collumn);
    }
    // Ruined colonnades: the front of a temple, an avenue, the side of a hall.
    addColonnade(map, 46, 70, 6, true, random);
    addColonnade(map, 46, 76, 6, true, random);
    addColonnade(map, 138, 64, 5, false, random);
    addColonnade(map, 142, 64, 5, false, random);
    addColonnade(map, 20, 150, 4, true, random);
    addColonnade(map, 168, 150, 5, false, random);
}

} // namespace

TerrainMap generateTerrain() {
    TerrainMap map;
    addTown(map);
    Waters waters;
    for (const Rect& lake : Lakes) {
        waters.lake(lake.left, lake.top, lake.right, lake.bottom);
    }
    waters.lake(StreamLake.left, StreamLake.top, StreamLake.right, StreamLake.bottom);
    for (const auto& river : Rivers) {
        waters.river(river.bends, river.width);
    }
    Random random(2024);
    addPondGroups(waters, map, random);
    waters.drawOn(map);
    // North of its lake the stream is only as wide as its two banks, so the target can come
    // right down to its far bank.
    for (int row = 0; row < 44; ++row) {
        map.set(201, row, Ground::LeftBank);
        map.set(202, row, Ground::RightBank);
        map.set(203, row, Ground::Grass);
    }
    addLandmarks(map);
    const std::vector<MapCell>& target = targetCells();
    for (std::size_t i = 0; i < target.size(); ++i) {
        map.set(target[i].column, target[i].row, static_cast<std::int32_t>(Ground::Target001 + i));
    }
    return map;
}

} // namespace datagen
