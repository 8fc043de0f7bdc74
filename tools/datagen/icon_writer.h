// The program's icon for Windows: the game's icon at 32 x 32 in the sixteen standard colours.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

// The sixteen colours every Windows display shows the same, in their usual order.
extern const std::array<Rgb, 16> IconColours;

// The bytes of an .ico file holding the 32 x 32 picture as one 4-bit image: each colour
// mapped to the nearest of the sixteen, the key transparent.
std::vector<std::uint8_t> encodeIcon(const Canvas& picture);

// The game's icon at the size the Windows icon has.
Canvas iconPicture();

} // namespace datagen
