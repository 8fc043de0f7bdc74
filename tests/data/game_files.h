// Reading the generated game folder in the tests: its path, whole files, and the 8-bit
// bitmaps as plain colour tables and index arrays.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int headerSize = 0;
    std::array<Colour, 256> colours{};
    std::vector<std::uint8_t> indices; // top row first

    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
    const Colour& colourAt(int x, int y) const { return colours[at(x, y)]; }
};

// The folder the build lays the game out in.
std::string gameFolder();
std::string readFile(const std::string& path);
// An empty Bitmap (width 0) when the file is missing or is no 8-bit bitmap with a colour table.
Bitmap readBitmap(const std::string& path);
// A picture of the game folder's Data/ by its name, e.g. "Water".
Bitmap gameBitmap(const std::string& name);

inline int brightness(const Colour& c) {
    return (c.red * 3 + c.green * 6 + c.blue) / 10;
}
inline bool isWatery(const Colour& c) {
    return c.blue > c.red + 40 && c.blue > c.green;
}
