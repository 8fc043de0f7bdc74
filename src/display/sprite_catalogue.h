// The catalogue of sprite pictures: which file fills which surface, at what size, and which
// of them let palette index 254 show what lies beneath. Listed in the order they are loaded.
#pragma once

#include <string>
#include <vector>

struct CatalogueEntry {
    int sprite; // a number of spriteSurfaces, or Sprite::Cursor or Sprite::Character
    std::string file;
    int width;
    int height;
    bool keyed;
};

// All 166 pictures in load order.
const std::vector<CatalogueEntry>& spriteCatalogue();
