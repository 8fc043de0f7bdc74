// The golden replay: the scripted game run by kestravan-sim on the generated game folder, its
// state dump (every figure, thrown figure, structure, counter, sound count and the frame's
// hash) compared at fixed frames with the dumps pinned in tests/golden/expected. A difference
// is a change of the game's behaviour: a fault to find, or a deliberate change to pin anew with
// tests/golden/pin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/headless_game.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string GoldenFolder = GOLDEN_DIR;

std::vector<int> pinnedFrames() {
    std::ifstream in(GoldenFolder + "/frames");
    std::vector<int> frames;
    for (int frame = 0; in >> frame;) {
        frames.push_back(frame);
    }
    return frames;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A long line is shown around its first difference only.
std::string excerpt(const std::string& line, std::size_t at) {
    constexpr std::size_t Width = 160;
    if (line.size() <= Width) {
        return line;
    }
    const std::size_t from = at > Width / 2 ? at - Width / 2 : 0;
    return (from > 0 ? "..." : "") + line.substr(from, Width) +
           (from + Width < line.size() ? "..." : "");
}

// The differing lines, pinned against now, at most a screenful.
std::string differences(const std::string& pinned, const std::string& now) {
    const std::vector<std::string> was = linesOf(pinned);
    const std::vector<std::string> is = linesOf(now);
    std::ostringstream out;
    int shown = 0;
    const std::size_t common = std::min(was.size(), is.size());
    for (std::size_t i = 0; i < common && shown < 20; ++i) {
        if (was[i] == is[i]) {
            continue;
        }
        std::size_t at = 0;
        while (at < was[i].size() && at < is[i].size() && was[i][at] == is[i][at]) {
            ++at;
        }
        out << "  line " << i + 1 << "\n    pinned: " << excerpt(was[i], at)
            << "\n    now:    " << excerpt(is[i], at) << "\n";
        ++shown;
    }
    if (shown == 20) {
        out << "  (and more)\n";
    }
    if (was.size() != is.size()) {
        out << "  the pinned dump has " << was.size() << " lines, this one " << is.size() << "\n";
    }
    return out.str();
}

// Runs the replay to the frame; the dump, or empty when kestravan-sim failed.
std::string replayTo(int frame, const TemporaryFolder& scratch) {
    const std::string dump = scratch.file("frame.json");
    const std::string command = std::string(KESTRAVAN_SIM) + " --data '" + gameDataFolder() +
                                "' --frames " + std::to_string(frame) + " --script '" +
                                GoldenFolder + "/replay.script' --dump '" + dump + "' 2>&1";
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "";
    }
    return readFile(dump);
}

class GoldenReplay : public ::testing::TestWithParam<int> {};

TEST_P(GoldenReplay, MatchesThePinnedState) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    const int frame = GetParam();
    const std::string pinnedPath =
        GoldenFolder + "/expected/frame-" + std::to_string(frame) + ".json";
    ASSERT_TRUE(fs::exists(pinnedPath))
        << "nothing pinned for frame " << frame << ": run tests/golden/pin";
    TemporaryFolder scratch;
    const std::string now = replayTo(frame, scratch);
    ASSERT_FALSE(now.empty()) << "kestravan-sim failed";
    const std::string pinned = readFile(pinnedPath);
    if (now != pinned) {
        ADD_FAILURE() << "the replay differs from the state pinned at frame " << frame << ":\n"
                      << differences(pinned, now)
                      << "If the change is meant, pin it anew with tests/golden/pin and review "
                         "the diff of tests/golden/expected.";
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, GoldenReplay, ::testing::ValuesIn(pinnedFrames()),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "frame" + std::to_string(info.param);
                         });

} // namespace
