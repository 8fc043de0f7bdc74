// Where the shooting target lies on the map: the 109 cells of its tiles around the point that
// thrown figures are scored from.
#pragma once

#include <vector>

namespace datagen {

// A figure lying exactly on the scoring point shows its middle over this map point.
inline constexpr int TargetCentreX = 6694;
inline constexpr int TargetCentreY = 678;
// Outer edges of the scoring rings, 100 points inside the first down to 1 inside the last.
inline constexpr int RingRadii[] = {17, 42, 75, 107, 139, 172};

struct MapCell {
    int column;
    int row;
};

// The cells of Target001 .. Target109 in that order: the 109 cells nearest the centre,
// numbered row by row from the top left.
const std::vector<MapCell>& targetCells();

} // namespace datagen
