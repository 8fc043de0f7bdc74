// The player's choices on Windows: what the Windows game offers, the screen mode and its
// scaling, the switch between full screen and a window, and where the executable lives.
#include "platform/session.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform {

// Its settings are values in the registry beside the best score; it keeps no settings file.
bool offers(Feature feature) {
    return feature != Feature::SettingsFile;
}

const char* gameName() {
    return "the Windows game";
}

void runEnded(int /*status*/, const std::string& /*missingFile*/) {}

// The box that offers to play without sound asks for this run only: there is no choice to keep.
void onSilenceKept(std::function<void()> /*listener*/) {}

void chooseScreen(const ScreenChoice& choice) {
    win32::state().choice = choice;
}

void onScreenModeChange(std::function<void(bool fullscreen)> listener) {
    win32::state().modeListener = std::move(listener);
}

std::string executableFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return std::string();
    }
    std::string folder(path, length);
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

} // namespace platform
