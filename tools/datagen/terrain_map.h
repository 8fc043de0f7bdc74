// The map of the game: 217 columns by 216 rows of ground values, written to "Terrain.dat" as
// one line of 217 numbers per row, top row first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/terrain.h"

namespace datagen {

class TerrainMap {
public:
    TerrainMap() : cells_(CellCount, Ground::Grass) {}

    std::int32_t at(int column, int row) const { return cells_[column * MapRows + row]; }
    void set(int column, int row, std::int32_t value);

    // A pond or river filling the rectangle (corners inclusive): banks all round, water
    // inside. A side on the map's edge has no bank: the water runs off the map there.
    void addWater(int left, int top, int right, int bottom);
    // A building: roof rows above a wall row that faces south.
    void addBuilding(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom, std::int32_t value);
    // True when every cell of the rectangle lies on the map and holds value.
    bool all(int left, int top, int right, int bottom, std::int32_t value) const;

    // "Terrain.dat": 216 lines of 217 numbers separated by single spaces.
    std::string text() const;

private:
    std::vector<std::int32_t> cells_; // column by column, as the game keeps them
};

} // namespace datagen
