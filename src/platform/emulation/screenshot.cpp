// F12's picture as a PNG file.
#include "platform/emulation/screenshot.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <vector>

#include "formats/png_writer.h"
#include "platform/file_system.h"

namespace fs = std::filesystem;

namespace platform {

std::string writeScreenshotFile(const std::string& folder, const Surface& frame,
                                const Palette& palette, std::string& error) {
    if (folder.empty()) {
        error = "there is no folder of the player's own for screenshots";
        return std::string();
    }
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
    const std::vector<std::uint8_t> png = encodePng(frame.width(), frame.height(), rgb);
    if (png.empty() ||
        !replaceFile(path.string(), reinterpret_cast<const char*>(png.data()), png.size())) {
        error = "cannot write a screenshot into " + folder + ": " + lastFileError();
        return std::string();
    }
    return path.string();
}

} // namespace platform
