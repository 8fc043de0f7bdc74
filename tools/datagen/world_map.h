// The game's map: the whirlwind's country fenced in by a stream on the east and a lake on
// the south, the target beyond the stream, the Indian camp, the farmland, the town and the
// pastures.
#pragma once

#include "datagen/terrain_map.h"

namespace datagen {

TerrainMap generateTerrain();

} // namespace datagen
