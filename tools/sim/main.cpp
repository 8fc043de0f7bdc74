// kestravan-sim: runs the real game on the scripted back end, frame by frame, with input from
// a script, and writes what came of it: a state dump, screenshots, the exit status.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "formats/png_writer.h"
#include "platform/file_system.h"
#include "platform/headless/headless.h"
#include "platform/store.h"
#include "replay/script_line.h"
#include "replay/scripted_run.h"
#include "replay/state_dump.h"
#include "shell/application.h"
#include "shell/game.h"

namespace fs = std::filesystem;

namespace {

const char* const Usage =
    "usage: kestravan-sim [--data DIR] [--frames N] [--tick-ms MS] [--start-ms MS]\n"
    "                     [--script FILE] [--dump FILE] [--screenshot FRAME:FILE.png]...\n"
    "                     [--store-dir DIR]\n";

struct Options {
    std::string data = ".";
    int frames = -1; // unset: to the script's last frame, or one frame without a script
    int tickMs = 16;
    std::uint32_t startMs = 0; // the clock when the game starts
    std::string script;
    std::string dump;
    std::multimap<int, std::string> screenshots;
    std::string storeDir;
};

bool parseCount(const std::string& text, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < 0 || number > replay::LastScriptFrame) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

std::string absolute(const std::string& path) {
    return path.empty() || path == "-" ? path : fs::absolute(path).string();
}

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--data") {
            options.data = value;
        } else if (option == "--frames") {
            if (!parseCount(value, options.frames)) {
                error =
                    "--frames takes a number from 0 to " + std::to_string(replay::LastScriptFrame);
                return false;
            }
        } else if (option == "--tick-ms") {
            if (!parseCount(value, options.tickMs)) {
                error =
                    "--tick-ms takes a number from 0 to " + std::to_string(replay::LastScriptFrame);
                return false;
            }
        } else if (option == "--start-ms") {
            char* end = nullptr;
            const unsigned long long start = std::strtoull(value.c_str(), &end, 10);
            if (value.empty() || value[0] == '-' || *end != '\0' || start > UINT32_MAX) {
                error = "--start-ms takes a clock reading from 0 to 4294967295";
                return false;
            }
            options.startMs = static_cast<std::uint32_t>(start);
        } else if (option == "--script") {
            options.script = absolute(value);
        } else if (option == "--dump") {
            options.dump = absolute(value);
        } else if (option == "--screenshot") {
            const std::size_t colon = value.find(':');
            int frame = 0;
            if (colon == std::string::npos || !parseCount(value.substr(0, colon), frame) ||
                colon + 1 == value.size()) {
                error = "--screenshot takes FRAME:FILE.png";
                return false;
            }
            options.screenshots.emplace(frame, absolute(value.substr(colon + 1)));
        } else if (option == "--store-dir") {
            options.storeDir = absolute(value);
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    return true;
}

bool writeScreenshot(const Game& game, const std::string& path) {
    if (game.backBuffer == nullptr || game.palette == nullptr) {
        return false;
    }
    const platform::Surface& frame = *game.backBuffer;
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(frame.width()) * frame.height() * 3);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const platform::PaletteEntry& entry = (*game.palette)[frame.row(y)[x]];
            rgb.insert(rgb.end(), {entry.red, entry.green, entry.blue});
        }
    }
    return writePng(path, frame.width(), frame.height(), rgb);
}

// A store folder of the run's own, removed at the end, unless the caller named one.
class RunStore {
public:
    explicit RunStore(const std::string& chosen) {
        if (!chosen.empty()) {
            platform::setStoreFolder(chosen);
            return;
        }
        temporary_ = platform::makeTemporaryFolder("kestravan-sim-");
        if (!temporary_.empty()) {
            platform::setStoreFolder(temporary_);
            platform::removeAfterExit(temporary_); // should a signal end the run
        }
    }
    ~RunStore() {
        if (!temporary_.empty()) {
            std::error_code ignored;
            fs::remove_all(temporary_, ignored);
        }
    }
    RunStore(const RunStore&) = delete;
    RunStore& operator=(const RunStore&) = delete;

private:
    std::string temporary_;
};

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, options, error)) {
        std::cerr << "kestravan-sim: " << error << "\n" << Usage;
        return 2;
    }
    std::vector<replay::ScriptLine> script;
    if (!options.script.empty() &&
        !replay::readScriptFile(options.script, "script", script, error)) {
        std::cerr << "kestravan-sim: " << error << "\n";
        return 2;
    }
    if (options.frames < 0) {
        const auto byFrame = [](const auto& a, const auto& b) { return a.frame < b.frame; };
        options.frames =
            script.empty() ? 1 : std::max_element(script.begin(), script.end(), byFrame)->frame;
    }
    std::error_code changed;
    fs::current_path(options.data, changed);
    if (changed) {
        std::cerr << "kestravan-sim: cannot use the game folder " << options.data << ": "
                  << changed.message() << "\n";
        return 2;
    }

    RunStore store(options.storeDir);
    headless::reset();
    headless::setClock(options.startMs);
    platform::Window* window = platform::createWindow(WindowName);
    if (!startGame(window)) {
        endGame();
        return 1;
    }

    int status = 0;
    const auto screenshot = [&](int frame) {
        const auto [first, last] = options.screenshots.equal_range(frame);
        for (auto shot = first; shot != last; ++shot) {
            if (!writeScreenshot(*theGame, shot->second)) {
                std::cerr << "kestravan-sim: cannot write " << shot->second << "\n";
                status = 2;
            }
        }
    };
    screenshot(0);
    bool exited = false;
    ScriptedRun run(std::move(script), options.tickMs);
    while (run.frame() < options.frames) {
        if (!run.nextFrame()) {
            exited = true;
            break;
        }
        screenshot(run.frame());
    }

    if (!options.dump.empty()) {
        const std::string dump = dumpState(*theGame, run.frame(), exited);
        // A file is written in binary: the same bytes on Windows, where text files end their
        // lines with a carriage return.
        if (options.dump == "-") {
            std::cout << dump;
        } else if (!(std::ofstream(options.dump, std::ios::binary) << dump)) {
            std::cerr << "kestravan-sim: cannot write " << options.dump << "\n";
            status = 2;
        }
    }
    endGame();
    return status;
}
