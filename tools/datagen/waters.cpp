// The banks round the water: each cell of land beside water takes the bank piece whose water
// side faces it, and a cell touching water only at a corner takes the rounded corner piece.
#include "datagen/waters.h"

#include <algorithm>

namespace datagen {

Waters::Waters() : water_(CellCount, false) {}

void Waters::lake(int left, int top, int right, int bottom) {
    for (int column = std::max(left, 0); column <= std::min(right, MapColumns - 1); ++column) {
        for (int row = std::max(top, 0); row <= std::min(bottom, MapRows - 1); ++row) {
            water_[column * MapRows + row] = true;
        }
    }
}

void Waters::river(const std::vector<Bend>& bends, int width) {
    for (std::size_t i = 1; i < bends.size(); ++i) {
        const Bend& from = bends[i - 1];
        const Bend& to = bends[i];
        lake(std::min(from.column, to.column), std::min(from.row, to.row),
             std::max(from.column, to.column) + width - 1, std::max(from.row, to.row) + width - 1);
    }
}

bool Waters::isWater(int column, int row) const {
    const bool inside = column >= 0 && row >= 0 && column < MapColumns && row < MapRows;
    return inside && water_[column * MapRows + row];
}

void Waters::drawOn(TerrainMap& map) const {
    // Land pinched between two waters floods; flooding may pinch the next cell, so repeat.
    Waters flooded = *this;
    for (bool changed = true; changed;) {
        changed = false;
        for (int column = 0; column < MapColumns; ++column) {
            for (int row = 0; row < MapRows; ++row) {
                if (flooded.isWater(column, row)) {
                    continue;
                }
                const bool across =
                    flooded.isWater(column - 1, row) && flooded.isWater(column + 1, row);
                const bool down =
                    flooded.isWater(column, row - 1) && flooded.isWater(column, row + 1);
                if (across || down) {
                    flooded.water_[column * MapRows + row] = true;
                    changed = true;
                }
            }
        }
    }
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            const auto wet = [&](int dc, int dr) { return flooded.isWater(column + dc, row + dr); };
            if (wet(0, 0)) {
                map.set(column, row, Ground::Water);
                continue;
            }
            // Sides first, north and south before east and west; then the corners.
            const struct {
                bool water;
                Ground::Tile bank;
            } choices[] = {
                {wet(0, 1), Ground::TopBank},     {wet(0, -1), Ground::BottomBank},
                {wet(1, 0), Ground::LeftBank},    {wet(-1, 0), Ground::RightBank},
                {wet(1, 1), Ground::TopLftBank},  {wet(-1, 1), Ground::TopRhtBank},
                {wet(1, -1), Ground::BotLftBank}, {wet(-1, -1), Ground::BotRhtBank},
            };
            for (const auto& choice : choices) {
                if (choice.water) {
                    map.set(column, row, choice.bank);
                    break;
                }
            }
        }
    }
}

} // namespace datagen
