// The open water of the map drawn as one body: lakes and rivers are laid out as water first,
// and the banks are worked out afterwards all round it, so a river running into a lake or into
// another river opens into it instead of being walled off by two banks.
#pragma once

#include <vector>

#include "datagen/terrain_map.h"

namespace datagen {

class Waters {
public:
    Waters();

    // Open water over the rectangle, corners inclusive; the banks come outside it.
    void lake(int left, int top, int right, int bottom);
    // A river `width` cells wide whose top-left edge follows the corners in turn, each leg
    // running straight across or straight down the map.
    struct Bend {
        int column;
        int row;
    };
    void river(const std::vector<Bend>& bends, int width);

    bool isWater(int column, int row) const;

    // Lays the water on the map with its banks. A cell of land pinched between water on two
    // opposite sides goes under water, since no bank piece has water on both sides; where the
    // shore turns inward, the bank follows the shore along the rows.
    void drawOn(TerrainMap& map) const;

private:
    std::vector<bool> water_; // column by column, like the map
};

} // namespace datagen
