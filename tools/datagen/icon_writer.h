// The program's icon for Windows: the game's icon at 32 x 32 in the sixteen standard colours,
// and beside it true-colour images with soft edges for the sizes today's desktops show.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

// The sixteen colours every Windows display shows the same, in their usual order.
extern const std::array<Rgb, 16> IconColours;

// The bytes of an .ico file holding the 32 x 32 picture as a 4-bit image (each colour mapped
// to the nearest of the sixteen, the key transparent), then each of trueColour as a 32-bit
// image with its alpha; one of 256 pixels is stored as PNG, as Windows expects at that size.
std::vector<std::uint8_t> encodeIcon(const Canvas& picture,
                                     const std::vector<Canvas>& trueColour = {});

// The game's icon at the size the Windows icon has.
Canvas iconPicture();

// The sizes of the icon's 32-bit images.
inline constexpr int TrueColourIconSizes[] = {16, 48, 256};

// The program's icon file: the 16-colour image and the 32-bit ones.
std::vector<std::uint8_t> programIcon();

} // namespace datagen
