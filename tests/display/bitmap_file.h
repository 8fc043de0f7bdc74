// Bitmap files made by the tests themselves: small BMPs of any layout the game reads, and the
// palette the display tests draw in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/palette.h"

struct BitmapLayout {
    int width = 1;
    int height = 1;
    int bitCount = 8;     // 1, 4, 8, 16 (5-5-5), 24 or 32
    bool topDown = false; // rows stored top row first, with a negative height
    std::vector<platform::Rgb> colourTable;
    std::uint32_t coloursUsed = 0; // the header's colour count as written
    // A pixel's index (up to 8 bits) or its colour as 0xRRGGBB.
    std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
};

std::string bitmapFile(const BitmapLayout& layout);

// 256 distinct colours; index 254, the transparent one, is a magenta found nowhere else, and
// the panel's grey, dark red and black are exact entries.
std::vector<platform::Rgb> testColours();

// An 8-bit picture in the test colours, every pixel given by the function.
std::string testPicture(int width, int height, std::function<std::uint8_t(int x, int y)> index);
