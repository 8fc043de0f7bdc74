// The pictures the generator writes: the game's sprite catalogue, each entry with its
// painter, plus the full-screen pictures.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "datagen/canvas.h"

namespace datagen {

struct Picture {
    int sprite;       // the sprite number (Sprite::Number), or -1 for the full screens
    std::string file; // relative to the game folder, e.g. "Data/Water.bmp"
    int width;
    int height;
    bool keyed;                    // index 254 is transparent
    std::function<Canvas()> paint; // empty when the generator has no painter for it
};

// The game's sprite catalogue, in its load order, with the painter of each.
const std::vector<Picture>& spriteCatalogue();
// "Data/Splash.bmp" and "Data/Option.bmp".
const std::vector<Picture>& fullScreenPictures();

} // namespace datagen
