// Any bytes as the settings file or as a demo: neither reader fails hard, settings read from
// anything write out as a file that reads back the same, and every demo event a script yields
// writes back as a line that the reader takes again.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "launch/settings.h"
#include "replay/script_line.h"

namespace {

bool sameSettings(const Settings& a, const Settings& b) {
    return a.fullscreen == b.fullscreen && a.scale == b.scale && a.volume == b.volume &&
           a.sound == b.sound;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> complaints;
    std::istringstream settingsFile(bytes);
    const Settings settings = readSettings(settingsFile, complaints);
    if (settings.volume < 0 || settings.volume > 100) {
        std::abort();
    }
    std::istringstream written(settingsText(settings));
    std::vector<std::string> none;
    if (!sameSettings(readSettings(written, none), settings) || !none.empty()) {
        std::abort();
    }

    std::istringstream demoFile(bytes);
    std::vector<replay::ScriptLine> lines;
    std::string error;
    if (replay::readScript(demoFile, lines, error)) {
        for (const replay::ScriptLine& line : lines) {
            if (line.frame < 1) {
                std::abort();
            }
        }
    }
    return 0;
}
