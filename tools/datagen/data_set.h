// Writes the game's whole data set into a folder: Data/ with every bitmap and wave, and
// Terrain.dat.
#pragma once

#include <string>

namespace datagen {

// False, with a message, when a file cannot be written.
bool writeDataSet(const std::string& folder, std::string& error);

} // namespace datagen
