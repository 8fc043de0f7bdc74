// The ground of the map: the seamless grass and water textures that every tile touching
// them shares, and the tiles made of them (water, grass, the eight bank pieces).
#pragma once

#include "datagen/canvas.h"
#include "world/terrain.h"

namespace datagen {

// The grass and water colours at a world pixel; both repeat every 32 pixels, so tiles that
// paint them at their own pixel positions join without seams.
Colour grassAt(int x, int y);
Colour waterAt(int x, int y);
// Scorched ground, also repeating every 32 pixels.
Colour burntAt(int x, int y);

Canvas paintWater();
Canvas paintGrass();
// One of LeftBank .. TopLftBank: the named side of a pond or river, land on that side and
// water toward the pond's middle.
Canvas paintBank(Ground::Tile bank);

} // namespace datagen
