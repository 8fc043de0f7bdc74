// The sprite catalogue as the game loads it: each bitmap's file, size, colour key and
// painter, plus the full-screen pictures.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

struct Picture {
    int sprite;       // the sprite number, or -1 for the cursor, the whirlwind and full screens
    std::string file; // relative to the game folder, e.g. "Data/Water.bmp"
    int width;
    int height;
    bool keyed; // index 254 is transparent
    std::function<Canvas()> paint;
};

// The 166 sprite bitmaps, in the game's load order.
const std::vector<Picture>& spriteCatalogue();
// "Data/Splash.bmp" and "Data/Option.bmp".
const std::vector<Picture>& fullScreenPictures();

} // namespace datagen
