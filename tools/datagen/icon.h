// The game's icon: the whirlwind over a patch of meadow with the target beside it, drawn at any
// size in the game palette, for the desktop, the window and every back end's own icon format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

// A square icon of size x size pixels (16 and up), keyed outside its rounded badge.
Canvas paintGameIcon(int size);

// The icon's pixels as red, green, blue and alpha (the key fully transparent), top row first.
std::vector<std::uint8_t> iconRgba(const Canvas& icon);

// The sizes of the desktop icons.
inline constexpr int DesktopIconSizes[] = {32, 48, 128, 256};

// Writes FOLDER/hicolor/NxN/apps/kestravan.png for each desktop size; false with a message.
bool writeDesktopIcons(const std::string& folder, std::string& error);

// The sizes of the web page's app icons.
inline constexpr int WebIconSizes[] = {192, 512};

// Writes FOLDER/icon-N.png for each web size; false with a message.
bool writeWebIcons(const std::string& folder, std::string& error);

} // namespace datagen
