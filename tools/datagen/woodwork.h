// The carpentry the frame, the panel, the buttons and the menu are made of: planks with
// grain, bevelled edges, brass nails and recessed slots.
#pragma once

#include "datagen/canvas.h"

namespace datagen {

// Planks running along x (or along y), each width pixels wide, with grain and seams.
void fillPlanks(Canvas& canvas, int x, int y, int width, int height, bool alongX, int plankWidth,
                int seed);
// A raised (or sunken) edge of the given thickness round a rectangle.
void bevel(Canvas& canvas, int x, int y, int width, int height, int thickness, bool raised);
void nail(Canvas& canvas, int x, int y);
// A recessed slot: a dark rim and a flat face of one colour.
void slot(Canvas& canvas, int x, int y, int width, int height, Colour face);

} // namespace datagen
