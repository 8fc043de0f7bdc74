// The best score lives in the player's own data folder, as SDL names it for this game.
#include <SDL.h>
#include <string>

#include "platform/store.h"

namespace platform {

std::string defaultStoreFolder() {
    char* path = SDL_GetPrefPath("Brannoch", "Kestravan");
    if (path == nullptr) {
        return std::string();
    }
    std::string folder(path);
    SDL_free(path);
    return folder;
}

} // namespace platform
