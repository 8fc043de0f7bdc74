// The status panel under the map: the caught counts, the score, the seconds left and the best
// score, the wind-speed bar and the wind-direction needle, and the two gauges behind them.
#pragma once

#include "platform/surface.h"
#include "platform/window.h"

class Game;

// The speed bar for a gauge value: it grows from 13 to 78 rows and shrinks back. While the
// speed button is pressed it stands one pixel to the left and its bottom one pixel higher.
platform::Rect speedBarRect(double launchPower, bool pressed);

// Where the direction needle ends; it turns a tenth of a radian a frame, clockwise on screen.
platform::Point needleEnd(double launchAngle);

// One frame of both gauges: the speed gauge counts 0 to 129 unless the speed button holds it,
// the direction counter 0 to 3599.
void advanceGauges(Game& game);

// The numbers, the bar and the needle, drawn through the back buffer's drawing context; a
// frame whose context is refused shows none of them.
void drawStatusPanel(Game& game);
