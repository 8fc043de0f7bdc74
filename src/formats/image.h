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

    // Palettised files (1, 4 and 8 bits a pixel) keep their indices and colour table, so
    // that a picture drawn in the display palette is copied index for index. One entry a
    // pixel, top row first; an index past the end of the table stands for black.
    std::vector<std::uint8_t> indices;
    std::vector<Rgb> colourTable;

    // True-colour files (16, 24 and 32 bits) keep one colour a pixel, top row first.
    std::vector<Rgb> pixels;

    bool palettised() const { return !indices.empty(); }
};

// The largest picture the reader accepts (the game's biggest is 1024 x 768).
inline constexpr int MaxImageSide = 4096;
inline constexpr std::int64_t MaxImagePixels = std::int64_t{MaxImageSide} * MaxImageSide;

// Reads a BMP file: uncompressed 1, 4, 8, 16, 24 and 32 bits a pixel, bit-field 16 and 32,
// run-length 4 and 8, bottom-up or top-down. The path may use the game's '\' separators.
// Null when the file is missing, unreadable, not a bitmap this reader knows, or too short to
// describe the picture its header announces.
std::unique_ptr<Image> loadImage(const char* path);
std::unique_ptr<Image> decodeBitmap(const std::uint8_t* bytes, std::size_t size);

// Copies the top-left width x height pixels of the image onto the surface at (0, 0), as far
// as both reach; the rest of the surface keeps its pixels. A colour-table entry equal to the
// display palette's entry of the same index keeps its index; every other colour becomes the
// nearest palette entry.
void copyImage(const Image& image, Surface& surface, int width, int height, const Palette& palette);

} // namespace platform
