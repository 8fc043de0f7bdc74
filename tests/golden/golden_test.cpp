// The golden replay: the scripted game run by kestravan-sim on the generated game folder, its
// state dump (every figure, thrown figure, structure, counter, sound count and the frame's
// hash) compared at fixed frames with the dumps pinned in tests/golden/expected. A difference
// is a change of the game's behaviour: a fault to find, or a deliberate change to pin anew with
// tests/golden/pin.
#include <gtest/gtest.h>

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

// The lines that differ, pinned against now, at most twenty.
std::string differences(const std::string& pinned, const std::string& now) {
    const auto next = [](std::istream& in) {
        std::string line;
        return std::getline(in, line) ? line : "(no line)";
    };
    std::istringstream was(pinned);
    std::istringstream is(now);
    std::ostringstream out;
    for (int line = 1, shown = 0; shown < 20 && (was || is); ++line) {
        const std::string a = next(was);
        const std::string b = next(is);
        if (a != b) {
            out << "  line " << line << "\n    pinned: " << a << "\n    now:    " << b << "\n";
            ++shown;
        }
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
