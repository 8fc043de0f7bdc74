// The game's files, gathered from the map, the set-up and the sprite catalogue.
#include "shell/game_files.h"

#include <algorithm>

#include "display/sprite_catalogue.h"

namespace {

std::vector<std::string> listGameFiles() {
    std::vector<std::string> files = {
        "Terrain.dat",      "Data\\Frame_Top.bmp", "Data\\Splash.bmp", "Data\\Option.bmp",
        "Data\\Indian.wav", "Data\\Cow.wav",       "Data\\Farm.wav",   "Data\\CowBoy.wav",
        "Data\\Crush.wav",  "Data\\Splat.wav",     "Data\\Wind.wav",
    };
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        if (std::find(files.begin(), files.end(), entry.file) == files.end()) {
            files.push_back(entry.file);
        }
    }
    return files;
}

} // namespace

const std::vector<std::string>& gameFiles() {
    static const std::vector<std::string> files = listGameFiles();
    return files;
}
