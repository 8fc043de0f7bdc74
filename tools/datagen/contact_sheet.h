// Review pictures of the data set as PNG files: every sprite enlarged with its number beside
// the loudness of every sound, the whole map drawn small, and the screen as the game draws it
// at a point of the map.
#pragma once

#include <string>

#include "datagen/terrain_map.h"

namespace datagen {

bool writeContactSheet(const std::string& path);
// Each tile shrunk to 8 x 8 pixels.
bool writeMapPicture(const std::string& path, const TerrainMap& map);
// The frame, the panel with sample numbers and the map around world point (x, y), with the
// whirlwind in the middle, as a 1024 x 768 picture.
bool writeScreenView(const std::string& path, const TerrainMap& map, int x, int y);

} // namespace datagen
