// The town on the map: its blocks, streets and square.
#pragma once

#include "datagen/terrain_map.h"

namespace datagen {

// The town between columns 104 and 152, rows 124 and 154: a square at the crossing of its
// main street and its cross street, closed to the north by the hall and its portico.
void addTown(TerrainMap& map);

} // namespace datagen
