// A game set up in an empty folder whose sprites the test paints itself, each in a colour of
// its own, over a back buffer filled with a marker colour that no sprite uses.
#pragma once

#include <gtest/gtest.h>

#include "support/game_folder.h"
#include "support/headless_game.h"

inline constexpr std::uint8_t Marker = 253;

// Ground value v is painted in colour v; the other pictures in colours from 126 on. The
// cursor's column x is painted in colour 100 + x.
std::uint8_t spriteColour(int sprite);
// The whirlwind's frame f is painted in colour 220 + f.
inline constexpr std::uint8_t WhirlwindColour = 220;

// The ground value the test map holds at a cell.
std::int32_t testGround(int column, int row);

// The surface a picture of the sprite catalogue is loaded into.
platform::Surface* surfaceOf(Game& game, int sprite);

class DrawnGame : public ::testing::Test {
protected:
    DrawnGame() : run_(folder_.path()) {}
    void SetUp() override;

    Game& game() { return run_.game(); }
    std::uint8_t pixel(int x, int y) { return game().backBuffer->row(y)[x]; }
    // Back-buffer pixels that are no longer the marker.
    int drawnPixels();

    ReadyFolder folder_;
    HeadlessGame run_;
};
