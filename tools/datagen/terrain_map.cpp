// The map's cells and its text form, and the pieces it is built of: ponds ringed by banks,
// and buildings.
#include "datagen/terrain_map.h"

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

bool TerrainMap::all(int left, int top, int right, int bottom, std::int32_t value) const {
    if (left < 0 || top < 0 || right >= MapColumns || bottom >= MapRows) {
        return false;
    }
    for (int column = left; column <= right; ++column) {
        for (int row = top; row <= bottom; ++row) {
            if (at(column, row) != value) {
                return false;
            }
        }
    }
    return true;
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
            std::int32_t value = Ground::Water;
            if (north) {
                value = west ? Ground::TopLftBank : east ? Ground::TopRhtBank : Ground::TopBank;
            } else if (south) {
                value = west ? Ground::BotLftBank : east ? Ground::BotRhtBank : Ground::BottomBank;
            } else if (west) {
                value = Ground::LeftBank;
            } else if (east) {
                value = Ground::RightBank;
            }
            set(column, row, value);
        }
    }
}

void TerrainMap::addBuilding(int left, int top, int right, int bottom) {
    fillRect(left, top, right, bottom - 1, Ground::Buinldinm_Top);
    fillRect(left, bottom, right, bottom, Ground::Building);
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

} // namespace datagen
