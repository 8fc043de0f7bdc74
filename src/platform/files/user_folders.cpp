// The player's folders, from the environment as the XDG rules read it.
#include "platform/user_folders.h"

#include <cstdlib>

namespace platform {

namespace {

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

} // namespace

std::string gameFolderUnder(const char* variableValue, const char* home, const char* fallback) {
    std::string base;
    if (absolute(variableValue)) {
        base = variableValue;
    } else if (absolute(home)) {
        base = std::string(home) + "/" + fallback;
    } else {
        return std::string();
    }
    if (base.back() != '/') {
        base += '/';
    }
    return base + "Brannoch/Kestravan/";
}

std::string userDataFolder() {
    return gameFolderUnder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), ".local/share");
}

std::string userConfigFolder() {
    return gameFolderUnder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
}

} // namespace platform
