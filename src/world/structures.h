// Building and wrecking: the cowboys' fence ring, mending it, and the whirlwind flattening what
// stands under it.
#pragma once

#include <array>
#include <cstdint>

#include "shell/game.h"
#include "world/actor.h"

// One piece of a pen, placed relative to its cowboy's site (sx, sy).
struct FencePiece {
    int dx;
    int dy;
    Structure::Tile value;
};

// The 6 x 6 ring whose top-right corner lies one tile left of the cowboy's site, in the order he
// checks and builds it: down the right side, along the bottom to the left, up the left side and
// along the top back to the right.
inline constexpr int FencePieceCount = 20;
extern const std::array<FencePiece, FencePieceCount> FenceRing;

inline constexpr int FenceWorkFrames = 100;

// Walks the cowboy's ring from its first piece and works on the first one missing; false when
// the whole pen stands.
bool mendFence(Game& game, Actor& cowboy);

// A standing tepee, farmhouse or fence piece under the whirlwind is knocked down with a crash;
// half-built and wrecked ones are left as they are.
void wreckStructureAt(Game& game, int x, int y);
