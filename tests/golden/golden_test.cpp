// The golden replays: each pinned game in tests/golden/<game>/ played once on the generated game
// folder, its state dump (every figure, thrown figure, structure, counter, sound count, the
// frame's hash and the data's hash) compared at each frame listed in its "frames" with the dump
// pinned in its expected/. The game's "sim-options", when there is one, gives the clock's start
// and the frame's length as kestravan-sim takes them. A difference is a change of the game's
// behaviour, or of its data when dataHash differs: a fault to find, or a deliberate change to
// pin anew with tests/golden/pin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless.h"
#include "replay/script_line.h"
#include "replay/scripted_run.h"
#include "replay/state_dump.h"
#include "support/headless_game.h"

namespace fs = std::filesystem;

namespace {

const std::string GoldenFolder = GOLDEN_DIR;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A dump's values by their place in it ("score", "whirlwind.x", "indians[3].siteX"), in the
// order they come.
using Fields = std::vector<std::pair<std::string, std::string>>;
Fields fieldsOf(const std::string& json) {
    struct Level {
        std::string name;
        bool array;
        int index = 0;
        std::string key;
    };
    std::vector<Level> levels;
    const auto here = [&levels] {
        const Level& in = levels.back();
        return in.array ? in.name + "[" + std::to_string(in.index) + "]"
                        : in.name + (in.name.empty() ? "" : ".") + in.key;
    };
    Fields fields;
    for (std::size_t at = 0; at < json.size();) {
        const char c = json[at];
        if (c == '{' || c == '[') {
            levels.push_back({levels.empty() ? "" : here(), c == '[', 0, ""});
        } else if ((c == '}' || c == ']') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            ++levels.back().index;
        } else if (std::string_view(" \n\t\r:}]").find(c) == std::string_view::npos) {
            std::size_t end = at + 1;
            if (c == '"') {
                end = std::min(json.find('"', end), json.size() - 1) + 1;
            }
            while (c != '"' && end < json.size() &&
                   std::string_view(",]} \n\t\r").find(json[end]) == std::string_view::npos) {
                ++end;
            }
            const std::string token = json.substr(at, end - at);
            const std::size_t next = json.find_first_not_of(" \n\t\r", end);
            if (next != std::string::npos && json[next] == ':' && !levels.empty()) {
                levels.back().key = token.substr(1, token.size() - 2);
            } else if (!levels.empty()) {
                fields.emplace_back(here(), token);
            }
            at = end;
            continue;
        }
        ++at;
    }
    return fields;
}

// The fields that differ, pinned against now, at most twenty; empty when the dumps agree.
std::string differences(const std::string& pinnedText, const std::string& nowText) {
    const Fields pinned = fieldsOf(pinnedText);
    const Fields now = fieldsOf(nowText);
    std::map<std::string, std::string> nowByName(now.begin(), now.end());
    std::ostringstream out;
    int shown = 0;
    const auto show = [&](const std::string& name, const std::string& was, const std::string& is) {
        if (shown++ < 20) {
            out << "  " << name << ": pinned " << was << ", now " << is << "\n";
        }
    };
    for (const auto& [name, was] : pinned) {
        const auto is = nowByName.find(name);
        if (is == nowByName.end()) {
            show(name, was, "(none)");
            continue;
        }
        if (is->second != was) {
            show(name, was, is->second);
        }
        nowByName.erase(is);
    }
    for (const auto& [name, is] : now) {
        if (nowByName.count(name) != 0) {
            show(name, "(none)", is);
        }
    }
    if (shown > 20) {
        out << "  and " << shown - 20 << " more\n";
    }
    return out.str();
}

// The clock's start and the frame's length a game is played with: its sim-options, or the
// start at 0 and 16 ms frames. False with the reason on an option the test does not know.
struct Pace {
    std::uint32_t startMs = 0;
    int tickMs = 16;
};
bool paceOf(const std::string& folder, Pace& pace, std::string& error) {
    std::ifstream options(folder + "/sim-options");
    for (std::string option; options >> option;) {
        std::uint64_t number = 0;
        if (!(options >> number) || number > UINT32_MAX) {
            error = option + " needs a clock reading";
            return false;
        }
        if (option == "--start-ms") {
            pace.startMs = static_cast<std::uint32_t>(number);
        } else if (option == "--tick-ms" && number <= 10000) {
            pace.tickMs = static_cast<int>(number);
        } else {
            error = "sim-options: " + option + " is no clock start or frame length";
            return false;
        }
    }
    return true;
}

// Every folder of tests/golden that holds a replay.
std::vector<std::string> pinnedGames() {
    std::vector<std::string> games;
    for (const fs::directory_entry& entry : fs::directory_iterator(GoldenFolder)) {
        if (fs::exists(entry.path() / "replay.script")) {
            games.push_back(entry.path().filename().string());
        }
    }
    std::sort(games.begin(), games.end());
    return games;
}

class GoldenReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReplay, MatchesThePinnedStateAtEveryPinnedFrame) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    const std::string folder = GoldenFolder + "/" + GetParam();
    std::vector<int> frames;
    std::ifstream frameList(folder + "/frames");
    for (int frame = 0; frameList >> frame;) {
        frames.push_back(frame);
    }
    std::sort(frames.begin(), frames.end());
    ASSERT_FALSE(frames.empty()) << "no frames listed in " << folder << "/frames";
    Pace pace;
    std::string error;
    ASSERT_TRUE(paceOf(folder, pace, error)) << error;
    std::vector<replay::ScriptLine> script;
    ASSERT_TRUE(replay::readScriptFile(folder + "/replay.script", "script", script, error))
        << error;

    HeadlessGame game(gameDataFolder());
    headless::setClock(pace.startMs);
    ASSERT_TRUE(game.start());
    ScriptedRun replay(std::move(script), pace.tickMs);
    bool exited = false;
    for (const int frame : frames) {
        const std::string pinnedPath =
            folder + "/expected/frame-" + std::to_string(frame) + ".json";
        ASSERT_TRUE(fs::exists(pinnedPath))
            << "nothing pinned for frame " << frame << ": run tests/golden/pin " << GetParam();
        while (!exited && replay.frame() < frame) {
            exited = !replay.nextFrame();
        }
        const std::string changed =
            differences(readFile(pinnedPath), dumpState(game.game(), replay.frame(), exited));
        const bool otherData = changed.find("  dataHash:") != std::string::npos;
        ASSERT_TRUE(changed.empty())
            << "the replay first differs from its pinned state at frame " << frame << ":\n"
            << changed
            << (otherData ? "The game folder's data is not the data the replay was pinned on: "
                            "the art or the map has changed.\n"
                          : "")
            << "If the change is meant, pin it anew with tests/golden/pin " << GetParam()
            << " and review the diff of its expected/.";
    }
}

INSTANTIATE_TEST_SUITE_P(PinnedGames, GoldenReplay, ::testing::ValuesIn(pinnedGames()),
                         [](const auto& game) { return game.param; });

} // namespace
