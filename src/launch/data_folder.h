// Where the game's data is: the folder that holds "Terrain.dat" and Data/, wherever the game
// was started from.
#pragma once

#include <string>
#include <vector>

// Whether the folder holds the game's data: the map and every picture and sound. A stray
// Data/ folder elsewhere is passed over.
bool holdsGameData(const std::string& folder);

// The first of the places that holds the game's data, in order; empty when none does.
std::string chooseGameFolder(const std::vector<std::string>& places);

// The places looked at when no folder is named: the working directory, the folder beside
// the executable, the data folder of the install the executable belongs to (dataFromBin away
// from the executable's folder), and the one it was built for; the last two only where the
// game is installed into a prefix (an empty text leaves them out).
std::vector<std::string> gameFolderPlaces(const std::string& workingFolder,
                                          const std::string& executableFolder,
                                          const std::string& installedFolder,
                                          const std::string& dataFromBin);

// The files the game reads that the folder lacks, as the game names them ("Data/Cow.wav").
std::vector<std::string> missingGameFiles(const std::string& folder);
