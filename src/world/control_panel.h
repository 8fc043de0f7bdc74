// The control panel under the map, worked with the left mouse button: four kind icons, the
// wind-speed button and the wind-direction button. Releasing the button over a pressed
// direction button throws a caught figure of the selected kind.
#pragma once

#include "shell/game.h"

// While the left button is held: the icon under the cursor is selected (unless the speed
// button is latched), and the speed and direction buttons follow the cursor.
void pressPanel(Game& game, int cursorX, int cursorY);

// While the left button is up: a pressed direction button throws, a pressed speed button
// latches.
void releasePanel(Game& game);
