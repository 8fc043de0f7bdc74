// The menu: the full-screen menu picture with its three buttons (new game, resume, quit) and
// the outline around the one under the cursor.
#pragma once

#include <cstdint>

#include "platform/window.h"

class Game;

// The button under the screen point: 1 new game, 2 resume, 3 quit, 0 none. Each button's
// edges belong to no button.
std::int32_t menuButtonAt(int x, int y);

// Copies the menu picture to the back buffer, sets menuChoice from the cursor and outlines
// that button. A frame whose drawing context is refused draws nothing and keeps menuChoice.
void drawMenu(Game& game, platform::Point cursor);
