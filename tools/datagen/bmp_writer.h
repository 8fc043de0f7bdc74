// Writes pictures as 8-bit Windows bitmaps carrying the whole game palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

// The file's bytes: 14-byte file header, 40-byte info header, 256 colours (blue, green, red,
// 0), then the rows bottom-up, each padded to four bytes.
std::vector<std::uint8_t> encodeBitmap(const Canvas& picture);

} // namespace datagen
