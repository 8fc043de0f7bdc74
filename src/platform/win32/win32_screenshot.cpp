// F12 on Windows: the frame, in its palette's colours, as a PNG file in the player's Pictures
// folder (Kestravan in it), named after the moment it was taken.
#include <string>

#include "platform/emulation/screenshot.h"
#include "platform/session.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <shlobj.h>
#include <windows.h>

namespace platform {

namespace {

std::string chosenFolder;

std::string picturesFolder() {
    char base[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_MYPICTURES | CSIDL_FLAG_CREATE, nullptr, 0, base))) {
        return std::string();
    }
    return std::string(base) + "\\Kestravan";
}

} // namespace

void setScreenshotFolder(const std::string& folder) {
    chosenFolder = folder;
}

namespace win32 {

void writeScreenshot(const Surface& frame, const Palette& palette) {
    const std::string folder = chosenFolder.empty() ? picturesFolder() : chosenFolder;
    std::string error;
    const std::string written = writeScreenshotFile(folder, frame, palette, error);
    logLine(written.empty() ? error + "\n" : "Screenshot: " + written + "\n");
}

} // namespace win32

} // namespace platform
