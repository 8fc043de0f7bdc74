// Pictures read from BMP files (the sprites, the splash and the menu), and their copy onto an
// 8-bit surface with each colour mapped to the nearest entry of the display palette.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/palette.h"
#include "platform/surface.h"

namespace platform {

class Image {
public:
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // one colour a pixel, top row first

    // Palettised files also keep their indices and colour table, so that a picture drawn in
    // the display palette is copied index for index.
    std::vector<std::uint8_t> indices;
    std::vector<Rgb> colourTable;
};

// Null when the file is missing, unreadable or not a bitmap this reader knows.
std::unique_ptr<Image> loadImage(const char* path);
std::unique_ptr<Image> decodeBitmap(const std::uint8_t* bytes, std::size_t size);

// Copies the top-left width x height pixels of the image onto the surface at (0, 0).
void copyImage(const Image& image, Surface& surface, int width, int height, const Palette& palette);

} // namespace platform
