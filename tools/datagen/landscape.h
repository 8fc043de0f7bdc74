// The prairie at sundown with a whirlwind tearing across it: the picture behind the title
// and the menu.
#pragma once

#include "datagen/canvas.h"

namespace datagen {

// 1024 x 768. With the storm, the whirlwind and what it has picked up are in it.
Canvas paintLandscape(bool storm);

} // namespace datagen
