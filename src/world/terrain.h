// The two-layer tile map: the ground read from "Terrain.dat" and the structures that figures
// build on it. Cells are stored column by column.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int TileSize = 32;
inline constexpr int MapColumns = 217;
inline constexpr int MapRows = 216;
inline constexpr int CellCount = MapColumns * MapRows;

// The ground values of the map. A ground value is also the number of the sprite that shows it.
namespace Ground {
enum Tile : std::int32_t {
    Water = 0,
    Grass = 1,
    LeftBank = 2,
    RightBank = 3,
    TopBank = 4,
    BottomBank = 5,
    BotLftBank = 6,
    BotRhtBank = 7,
    TopRhtBank = 8,
    TopLftBank = 9,
    Building = 10,
    Collumn = 11,
    DropBomb = 12,
    Buinldinm_Top = 13,
    Blast = 14,
    Burnt = 15,
    Target001 = 16, // 16..124: the 109 tiles of the shooting target
    LastTarget = 124,
};
} // namespace Ground

// What stands on a cell. A structure value v > 0 is drawn with sprite v + 129.
namespace Structure {
enum Tile : std::int32_t {
    Empty = 0,
    Tepee = 1,
    TepeeDown = 2,
    FarmHouse = 3,
    FarmHouseDown = 4,
    Fence_RLSide = 5,
    Fence_TBSide = 6,
    Fence_TLCorner = 7,
    Fence_TRCorner = 8,
    Fence_BLCorner = 9,
    Fence_BRCorner = 10,
};
} // namespace Structure

// The cell holding world point (x, y), divisions truncating toward zero. Callers that may
// stand off the map use mapCell instead.
constexpr int cellIndex(int x, int y) {
    return (x / TileSize) * MapRows + y / TileSize;
}

// The cell of (x, y) as cellIndex finds it, or -1 when its column or row lies outside the grid.
constexpr int mapCell(int x, int y) {
    const int column = x / TileSize;
    const int row = y / TileSize;
    if (column < 0 || column >= MapColumns || row < 0 || row >= MapRows) {
        return -1;
    }
    return column * MapRows + row;
}

// Water, the banks, the town's buildings and columns stop the whirlwind, the farmers, the cows
// and the cowboys; grass, the bomb site, the blast, burnt ground and the target do not.
constexpr bool blocksMovement(std::int32_t value) {
    return value == Ground::Water || (value >= Ground::LeftBank && value <= Ground::Collumn) ||
           value == Ground::Buinldinm_Top;
}

// What reading the map's text found.
struct TerrainReading {
    int numbersRead = 0;    // numbers stored, at most CellCount
    bool badNumber = false; // reading stopped at a token that is no number
    int outOfRange = 0;     // numbers outside 0..124, stored as Water
};

// Reads up to CellCount numbers, row by row from the top, into the column-major cells.
// Cells the text does not reach keep their value.
TerrainReading readTerrain(const char* text, std::size_t size, std::int32_t* cells);
