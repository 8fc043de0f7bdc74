// One frame of the game: tick the frame timer, update and draw, flip.
#pragma once

// Always returns 0.
int runFrame();
