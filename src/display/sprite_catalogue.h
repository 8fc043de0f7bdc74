// The catalogue of sprite pictures: which file fills which surface, at what size, and which
// of them let palette index 254 show what lies beneath. Listed in the order they are loaded.
#pragma once

#include <string>
#include <vector>

// Catalogue places that are not numbered in spriteSurfaces.
inline constexpr int CursorSprite = -1;
inline constexpr int CharacterSprite = -2;

struct CatalogueEntry {
    int sprite; // a number of spriteSurfaces, or CursorSprite or CharacterSprite
    std::string file;
    int width;
    int height;
    bool keyed;
};

// All 166 pictures in load order.
const std::vector<CatalogueEntry>& spriteCatalogue();
