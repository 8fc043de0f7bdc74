// The game's log on Windows: what the game has to say goes to kestravan.log in the player's
// local application-data folder (Brannoch\Kestravan), begun afresh by each run, and to the
// debugger's output. That folder is the player's own folder of the game's.
#include <cstdio>
#include <string>

#include "platform/user_folders.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <shlobj.h>
#include <windows.h>

namespace platform::win32 {

// The log's folder, made when missing; empty when the player has no such folder.
std::string logFolder() {
    char base[MAX_PATH];
    if (FAILED(
            SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, base))) {
        return std::string();
    }
    std::string folder = std::string(base) + "\\Brannoch";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\Kestravan";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

namespace {

struct LogFile {
    std::FILE* file = nullptr;
    bool opened = false;
    ~LogFile() {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

LogFile theLog;

} // namespace

std::string logPath() {
    const std::string folder = logFolder();
    return folder.empty() ? std::string() : folder + "\\kestravan.log";
}

void logLine(const std::string& text) {
    OutputDebugStringA(text.c_str());
    if (!theLog.opened) {
        theLog.opened = true;
        const std::string path = logPath();
        theLog.file = path.empty() ? nullptr : std::fopen(path.c_str(), "w");
    }
    if (theLog.file != nullptr) {
        std::fputs(text.c_str(), theLog.file);
        if (text.empty() || text.back() != '\n') {
            std::fputc('\n', theLog.file);
        }
        std::fflush(theLog.file);
    }
}

} // namespace platform::win32

namespace platform {

// The game's folder of the player's, for data and settings alike (its settings, though, are
// values in the registry).
std::string userDataFolder() {
    return win32::logFolder();
}

std::string userConfigFolder() {
    return win32::logFolder();
}

} // namespace platform
