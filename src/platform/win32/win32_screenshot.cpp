// F12 on Windows: the frame, in its palette's colours, as a PNG file in the player's Pictures
// folder (Kestravan in it), named after the moment it was taken.
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/png_writer.h"
#include "platform/session.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <shlobj.h>
#include <windows.h>

namespace fs = std::filesystem;

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
    std::error_code failure;
    fs::create_directories(folder, failure);
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", std::localtime(&now));
    fs::path path = fs::path(folder) / ("kestravan-" + std::string(stamp) + ".png");
    for (int n = 2; fs::exists(path, failure); ++n) {
        path = fs::path(folder) /
               ("kestravan-" + std::string(stamp) + "-" + std::to_string(n) + ".png");
    }
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(frame.width()) * frame.height() * 3);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const PaletteEntry& entry = palette[frame.row(y)[x]];
            rgb.insert(rgb.end(), {entry.red, entry.green, entry.blue});
        }
    }
    if (folder.empty() || !writePng(path.string(), frame.width(), frame.height(), rgb)) {
        logLine("Cannot write a screenshot into " + folder + "\n");
        return;
    }
    logLine("Screenshot: " + path.string() + "\n");
}

} // namespace win32

} // namespace platform
