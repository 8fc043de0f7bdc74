// Lays out the map. The whirlwind starts in column 200, row 20, on the west bank of the
// stream that closes its country to the east; the target lies on the far bank, in plain view
// but out of reach. The great lake closes the south. Inside lie the Indian camp by its lake,
// the farmland with its rivers and ponds, the town, and the pastures; small ponds, brooks,
// standing stones and burnt patches are scattered over the rest from a fixed seed.
#include "datagen/world_map.h"

#include <cmath>

#include "datagen/pixel_noise.h"
#include "datagen/target.h"

namespace datagen {

namespace {

struct Rect {
    int left, top, right, bottom;
};

// Lakes, rivers and ponds, corners inclusive, banks included.
const Rect Waters[] = {
    {201, 0, 202, 204},   // the stream east of the start: the whirlwind's eastern border
    {0, 205, 216, 215},   // the great lake: its southern border
    {68, 0, 96, 11},      // the north lake
    {120, 0, 122, 58},    // the north river, running down into the farmland
    {0, 58, 8, 112},      // the west lake
    {31, 36, 39, 43},     // the lake of the Indian camp
    {26, 46, 27, 47},     // the camp's spring
    {9, 99, 84, 101},     // the long river between the farms and the ranches
    {150, 40, 168, 52},   // the big lake in the farmland
    {95, 70, 101, 75},    // the mill pond
    {187, 25, 190, 27},   // a pond by the start
    {172, 118, 186, 127}, // the ranch lake
    {154, 150, 155, 186}, // the brook through the southern pastures
    {150, 188, 159, 194}, // and the pond it runs into
    {28, 176, 44, 189},   // the south-west lake
    {60, 140, 67, 146},   // pasture ponds
    {206, 48, 212, 56},   // ponds beyond the stream
    {205, 118, 209, 126}, {210, 160, 216, 170},
};

// The town along its main street (rows 139..141) and two back streets: houses with their
// roof over a south-facing wall, a few of them two rows deep.
const Rect Buildings[] = {
    // north of the back street
    {110, 131, 113, 132},
    {115, 131, 117, 132},
    {119, 130, 123, 132},
    {131, 131, 134, 132},
    {136, 131, 139, 132},
    {141, 131, 142, 132},
    // north of the main street, with the pillared hall
    {110, 136, 114, 137},
    {116, 136, 119, 137},
    {121, 135, 124, 137},
    {130, 135, 137, 138},
    {139, 136, 141, 137},
    // south of the main street
    {110, 143, 112, 144},
    {114, 143, 118, 144},
    {120, 142, 124, 144},
    {131, 143, 134, 144},
    {136, 143, 140, 144},
    // the southern edge of town
    {113, 148, 116, 149},
    {119, 148, 121, 149},
    {132, 148, 135, 149},
    {138, 148, 139, 149},
};

void addTown(TerrainMap& map) {
    for (const Rect& building : Buildings) {
        map.addBuilding(building.left, building.top, building.right, building.bottom);
    }
    // The hall's columns along the main street, and the monument on the square.
    for (int column = 130; column <= 137; column += 2) {
        map.set(column, 139, Collumn);
    }
    map.set(127, 140, Collumn);
}

// A ragged patch of burnt ground round a point, with craters and a bomb or two in it.
void addBurntPatch(TerrainMap& map, int column, int row, double radius, int craters, int bombs,
                   Random& random) {
    const int reach = static_cast<int>(radius) + 2;
    for (int c = column - reach; c <= column + reach; ++c) {
        for (int r = row - reach; r <= row + reach; ++r) {
            const double ragged = (valueNoise(c, r, 3, 0, 301) - 0.5) * radius * 0.8;
            if (std::hypot(c - column, (r - row) * 1.2) < radius + ragged &&
                map.all(c, r, c, r, Grass)) {
                map.set(c, r, Burnt);
            }
        }
    }
    for (int i = 0; i < craters + bombs; ++i) {
        const int c =
            column + random.below(static_cast<int>(radius) + 1) - static_cast<int>(radius) / 2;
        const int r =
            row + random.below(static_cast<int>(radius) + 1) - static_cast<int>(radius) / 2;
        if (map.all(c, r, c, r, Burnt)) {
            map.set(c, r, i < craters ? Blast : DropBomb);
        }
    }
}

// Places where the scatter must leave the ground as it is: the view from the start and the
// target, the town, the Indian camp, and everything within two cells of other water.
bool reserved(int left, int top, int right, int bottom) {
    const Rect zones[] = {{180, 0, 216, 34}, {104, 125, 153, 153}, {23, 28, 46, 51}};
    for (const Rect& zone : zones) {
        if (left <= zone.right && right >= zone.left && top <= zone.bottom && bottom >= zone.top) {
            return true;
        }
    }
    return false;
}

bool freeFor(const TerrainMap& map, int left, int top, int right, int bottom) {
    return !reserved(left, top, right, bottom) && left >= 12 && top >= 4 && right <= 198 &&
           bottom <= 201 && map.all(left - 2, top - 2, right + 2, bottom + 2, Grass);
}

void scatter(TerrainMap& map) {
    Random random(2024);
    // Ponds, from puddles to small lakes.
    for (int placed = 0, tries = 0; placed < 46 && tries < 4000; ++tries) {
        const int width = 2 + random.below(5);
        const int height = 2 + random.below(4);
        const int left = random.below(MapColumns - width);
        const int top = random.below(MapRows - height);
        if (freeFor(map, left, top, left + width - 1, top + height - 1)) {
            map.addWater(left, top, left + width - 1, top + height - 1);
            ++placed;
        }
    }
    // Brooks: two cells wide, running north-south or east-west.
    for (int placed = 0, tries = 0; placed < 14 && tries < 4000; ++tries) {
        const int length = 8 + random.below(16);
        const bool southward = random.below(2) == 0;
        const int width = southward ? 2 : length;
        const int height = southward ? length : 2;
        const int left = random.below(MapColumns - width);
        const int top = random.below(MapRows - height);
        if (freeFor(map, left, top, left + width - 1, top + height - 1)) {
            map.addWater(left, top, left + width - 1, top + height - 1);
            ++placed;
        }
    }
    // Standing stones, alone or in small groups.
    for (int placed = 0, tries = 0; placed < 16 && tries < 4000; ++tries) {
        const int column = random.below(MapColumns);
        const int row = random.below(MapRows);
        if (!freeFor(map, column, row, column + 2, row + 2)) {
            continue;
        }
        map.set(column, row, Collumn);
        if (placed % 3 == 0) {
            map.set(column + 2, row + 1, Collumn);
            map.set(column + 1, row + 2, Collumn);
        }
        ++placed;
    }
    // Ground burnt by lightning, here and there with a crater.
    for (int placed = 0, tries = 0; placed < 12 && tries < 4000; ++tries) {
        const int column = random.below(MapColumns);
        const int row = random.below(MapRows);
        if (freeFor(map, column - 3, row - 3, column + 3, row + 3)) {
            // One draw after the other: the order of a call's arguments is the compiler's.
            const double radius = 1.5 + random.below(3);
            const int craters = random.below(2);
            addBurntPatch(map, column, row, radius, craters, 0, random);
            ++placed;
        }
    }
}

} // namespace

TerrainMap generateTerrain() {
    TerrainMap map;
    for (const Rect& water : Waters) {
        map.addWater(water.left, water.top, water.right, water.bottom);
    }
    addTown(map);
    Random random(77);
    // The town's east end burnt down, bombs and all; a chimney still stands.
    addBurntPatch(map, 146, 139, 5.0, 3, 2, random);
    map.set(146, 135, Collumn);
    // A ring of standing stones in the southern pasture.
    const MapCell stones[] = {{92, 160}, {95, 159}, {98, 160}, {99, 163},
                              {98, 166}, {95, 167}, {92, 166}, {91, 163}};
    for (const MapCell& stone : stones) {
        map.set(stone.column, stone.row, Collumn);
    }
    scatter(map);
    const std::vector<MapCell>& target = targetCells();
    for (std::size_t i = 0; i < target.size(); ++i) {
        map.set(target[i].column, target[i].row, static_cast<std::int32_t>(Target001 + i));
    }
    return map;
}

} // namespace datagen
