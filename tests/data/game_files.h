// Reading the generated game folder in the tests: whole files, little-endian numbers, and the
// 8-bit bitmaps as plain colour tables and index arrays.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/headless_game.h"

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

struct Bitmap {
    int width = 0;
    int height = 0;
    int headerSize = 0;
    std::array<Colour, 256> colours{};
    std::vector<std::uint8_t> indices; // top row first

    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
    const Colour& colourAt(int x, int y) const { return colours[at(x, y)]; }
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// An empty Bitmap (width 0) when the file is missing or is no 8-bit bitmap with a colour table.
inline Bitmap readBitmap(const std::string& path) {
    const std::string bytes = readFile(path);
    Bitmap bitmap;
    if (bytes.size() < 54 + 1024 || bytes[0] != 'B' || bytes[1] != 'M') {
        return bitmap;
    }
    const std::uint32_t pixelsAt = little(bytes, 10, 4);
    bitmap.headerSize = static_cast<int>(little(bytes, 14, 4));
    const int width = static_cast<int>(little(bytes, 18, 4));
    const int height = static_cast<int>(little(bytes, 22, 4));
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    if (little(bytes, 28, 2) != 8 || width <= 0 || height <= 0 ||
        bytes.size() < pixelsAt + stride * height) {
        return bitmap;
    }
    for (std::size_t i = 0, entry = 14 + bitmap.headerSize; i < 256; ++i, entry += 4) {
        bitmap.colours[i] = {static_cast<std::uint8_t>(bytes[entry + 2]),
                             static_cast<std::uint8_t>(bytes[entry + 1]),
                             static_cast<std::uint8_t>(bytes[entry])};
    }
    bitmap.width = width;
    bitmap.height = height;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixelsAt + stride * (height - 1 - y); // stored bottom-up
        bitmap.indices.insert(bitmap.indices.end(), bytes.begin() + row,
                              bytes.begin() + row + width);
    }
    return bitmap;
}

// A picture of the game folder's Data/ by its name, e.g. "Water".
inline Bitmap gameBitmap(const std::string& name) {
    return readBitmap(gameDataFolder() + "/Data/" + name + ".bmp");
}
