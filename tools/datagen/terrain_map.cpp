// Builds the map. The whirlwind starts in column 200, row 20, on the west shore of the stream
// that closes its country to the east; the target lies on the far bank, in plain view but out
// of reach. Every pond is a rectangle of water ringed by bank pieces; neighbouring ponds
// touch only where a thin strip of shore divides them.
#include "datagen/terrain_map.h"

#include "datagen/target.h"

namespace datagen {

void TerrainMap::set(int column, int row, std::int32_t value) {
    if (column >= 0 && column < MapColumns && row >= 0 && row < MapRows) {
        cells_[column * MapRows + row] = value;
    }
}

void TerrainMap::fillRect(int left, int top, int right, int bottom, std::int32_t value) {
    for (int column = left; column <= right; ++column) {
        for (int row = top; row <= bottom; ++row) {
            set(column, row, value);
        }
    }
}

void TerrainMap::addWater(int left, int top, int right, int bottom) {
    const bool openLeft = left == 0;
    const bool openTop = top == 0;
    const bool openRight = right == MapColumns - 1;
    const bool openBottom = bottom == MapRows - 1;
    for (int column = left; column <= right; ++column) {
        for (int row = top; row <= bottom; ++row) {
            const bool west = column == left && !openLeft;
            const bool east = column == right && !openRight;
            const bool north = row == top && !openTop;
            const bool south = row == bottom && !openBottom;
            std::int32_t value = Water;
            if (north) {
                value = west ? TopLftBank : east ? TopRhtBank : TopBank;
            } else if (south) {
                value = west ? BotLftBank : east ? BotRhtBank : BottomBank;
            } else if (west) {
                value = LeftBank;
            } else if (east) {
                value = RightBank;
            }
            set(column, row, value);
        }
    }
}

void TerrainMap::addBuilding(int left, int top, int right, int bottom) {
    fillRect(left, top, right, bottom - 1, Buinldinm_Top);
    fillRect(left, bottom, right, bottom, Building);
}

std::string TerrainMap::text() const {
    std::string out;
    out.reserve(CellCount * 4);
    for (int row = 0; row < MapRows; ++row) {
        for (int column = 0; column < MapColumns; ++column) {
            if (column > 0) {
                out += ' ';
            }
            out += std::to_string(at(column, row));
        }
        out += '\n';
    }
    return out;
}

namespace {

struct Rect {
    int left, top, right, bottom;
};

// Ponds, lakes and rivers, corners inclusive, banks included.
const Rect Waters[] = {
    {201, 0, 202, 204}, // the stream east of the start: the whirlwind's eastern border
    {0, 205, 216, 215}, // the great lake along the south: its southern border
    {68, 0, 96, 12},    // the north lake
    {120, 0, 123, 58},  // the north river, running down into the farmland
    {0, 58, 9, 112},    // the west lake
    {31, 36, 39, 43},   // the lake of the Indian camp
    {26, 46, 27, 47},   // the camp's spring
    {10, 99, 84, 102},  // the long river between the farms and the ranches
    {150, 40, 168, 53}, // the big lake in the farmland
    {95, 70, 101, 75},  // the mill pond
    {187, 25, 190, 27}, // a pond by the start
    {140, 19, 142, 22},   {84, 40, 86, 42},     {54, 75, 56, 77},     {175, 89, 178, 93},
    {128, 100, 131, 102}, {60, 140, 68, 146},                         // pasture ponds
    {28, 176, 44, 190},   {172, 118, 186, 128}, {154, 150, 155, 186}, // a brook through the
                                                                      // southern pastures
    {108, 184, 113, 188}, {70, 120, 72, 122},   {40, 140, 43, 143},   {190, 180, 195, 185},
    {206, 48, 212, 56}, // ponds beyond the stream
    {205, 118, 209, 126}, {210, 160, 216, 170},
};

// The town: buildings along one main street, a pillared hall, and a burnt-out quarter.
const Rect Buildings[] = {
    {118, 134, 121, 138}, {123, 133, 127, 138}, {129, 135, 133, 138}, {135, 134, 139, 138},
    {118, 143, 122, 147}, {125, 143, 128, 146}, {131, 143, 135, 148}, {138, 143, 141, 146},
    {112, 136, 115, 139}, {113, 144, 115, 147},
};

void addTown(TerrainMap& map) {
    for (const Rect& building : Buildings) {
        map.addBuilding(building.left, building.top, building.right, building.bottom);
    }
    // The hall's columns along the street.
    for (int column = 129; column <= 133; column += 2) {
        map.set(column, 139, Collumn);
    }
    // The burnt quarter east of the street, with its craters, an unexploded bomb and a
    // chimney left standing.
    map.fillRect(143, 133, 149, 148, Burnt);
    map.fillRect(142, 137, 142, 145, Burnt);
    map.set(145, 136, Blast);
    map.set(147, 141, Blast);
    map.set(144, 145, Blast);
    map.set(148, 146, DropBomb);
    map.set(146, 134, Collumn);
    map.set(143, 139, DropBomb);
}

void addLandmarks(TerrainMap& map) {
    // A ring of standing stones in the southern pasture.
    const MapCell stones[] = {{92, 160}, {95, 159}, {98, 160}, {99, 163},
                              {98, 166}, {95, 167}, {92, 166}, {91, 163}};
    for (const MapCell& stone : stones) {
        map.set(stone.column, stone.row, Collumn);
    }
    // A field burnt by lightning in the farmland, and a bomb crater on the prairie.
    map.fillRect(102, 50, 106, 53, Burnt);
    map.set(104, 51, Blast);
    map.set(60, 185, Blast);
    map.set(178, 64, Blast);
}

} // namespace

TerrainMap generateTerrain() {
    TerrainMap map;
    for (const Rect& water : Waters) {
        map.addWater(water.left, water.top, water.right, water.bottom);
    }
    addTown(map);
    addLandmarks(map);
    const std::vector<MapCell>& target = targetCells();
    for (std::size_t i = 0; i < target.size(); ++i) {
        map.set(target[i].column, target[i].row, static_cast<std::int32_t>(Target001 + i));
    }
    return map;
}

} // namespace datagen
