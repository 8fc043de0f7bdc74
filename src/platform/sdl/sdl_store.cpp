// The best score lives in the player's own data folder, made when the game first asks for it.
#include <string>

#include "platform/file_system.h"
#include "platform/store.h"
#include "platform/user_folders.h"

namespace platform {

std::string defaultStoreFolder() {
    const std::string folder = userDataFolder();
    return !folder.empty() && makeFolders(folder) ? folder : std::string();
}

} // namespace platform
