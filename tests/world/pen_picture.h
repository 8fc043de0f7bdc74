// A cowboy's finished pen as it stands on the map, row by row from its top-left cell, which
// lies six tiles left of the cowboy's site.
#pragma once

#include "shell/game.h"

// clang-format off
inline constexpr int FinishedPen[6][6] = {
    {Fence_TLCorner, Fence_TBSide, Fence_TBSide, Fence_TBSide, Fence_TBSide, Fence_TRCorner},
    {Fence_RLSide,   Empty,        Empty,        Empty,        Empty,        Fence_RLSide},
    {Fence_RLSide,   Empty,        Empty,        Empty,        Empty,        Fence_RLSide},
    {Fence_RLSide,   Empty,        Empty,        Empty,        Empty,        Fence_RLSide},
    {Fence_RLSide,   Empty,        Empty,        Empty,        Empty,        Fence_RLSide},
    {Fence_BLCorner, Fence_TBSide, Fence_TBSide, Fence_TBSide, Fence_TBSide, Fence_BRCorner},
};
// clang-format on

// The world point of a pen cell for a cowboy whose site is (siteX, siteY).
inline int penCellX(int siteX, int column) {
    return siteX - 192 + 32 * column;
}
inline int penCellY(int siteY, int row) {
    return siteY + 32 * row;
}

inline void putUpPen(Game& game, int siteX, int siteY) {
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            game.setStructureAt(penCellX(siteX, column), penCellY(siteY, row),
                                FinishedPen[row][column]);
        }
    }
}
