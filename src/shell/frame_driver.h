// One frame of the game: tick the frame timer, update and draw, flip.
#pragma once

#include <cstdint>

#include "platform/window.h"

class Game;

// Always returns 0.
int runFrame();

// The whirlwind covers more ground in a slow frame: 5 pixels up to 50 ms, then 10, 15, 20.
std::int32_t stepForFrameTime(std::uint32_t frameTime);

// The cursor sprite with its hot spot in the middle of its top edge, cut at the screen's
// edges; drawn only while showCursor is set.
void drawCursor(Game& game, platform::Point cursor);
