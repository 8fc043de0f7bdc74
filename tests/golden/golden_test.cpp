// The golden replay: the scripted game played once on the generated game folder, its state
// dump (every figure, thrown figure, structure, counter, sound count, the frame's hash and the
// data's hash) compared at each frame listed in tests/golden/frames with the dump pinned in
// tests/golden/expected. A difference is a change of the game's behaviour, or of its data when
// dataHash differs: a fault to find, or a deliberate change to pin anew with tests/golden/pin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "sim/scripted_run.h"
#include "sim/sim_script.h"
#include "sim/state_dump.h"
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

class FieldReader {
public:
    explicit FieldReader(const std::string& text) : text_(text) {}

    // False when the text is not a JSON value.
    bool read(Fields& fields) { return value("", fields) && (skipSpace(), at_ == text_.size()); }

private:
    void skipSpace() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            ++at_;
        }
    }
    bool take(char c) {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool string(std::string& out) {
        skipSpace();
        const std::size_t start = at_;
        if (!take('"')) {
            return false;
        }
        while (at_ < text_.size() && text_[at_] != '"') {
            at_ += text_[at_] == '\\' ? 2 : 1;
        }
        if (at_ >= text_.size()) {
            return false;
        }
        ++at_;
        out = text_.substr(start, at_ - start);
        return true;
    }
    // Members of an object or elements of an array, up to the closing bracket.
    template <typename Member> bool sequence(char close, Member member) {
        if (take(close)) {
            return true;
        }
        do {
            if (!member()) {
                return false;
            }
        } while (take(','));
        return take(close);
    }
    bool value(const std::string& path, Fields& fields) {
        if (take('{')) {
            return sequence('}', [&] {
                std::string key;
                return string(key) && take(':') &&
                       value((path.empty() ? "" : path + ".") + key.substr(1, key.size() - 2),
                             fields);
            });
        }
        if (take('[')) {
            int index = 0;
            return sequence(
                ']', [&] { return value(path + "[" + std::to_string(index++) + "]", fields); });
        }
        std::string scalar;
        skipSpace();
        if (at_ < text_.size() && text_[at_] == '"') {
            if (!string(scalar)) {
                return false;
            }
        } else {
            const std::size_t start = at_;
            while (at_ < text_.size() &&
                   std::string_view(",]} \n\t\r").find(text_[at_]) == std::string_view::npos) {
                ++at_;
            }
            scalar = text_.substr(start, at_ - start);
        }
        fields.emplace_back(path, scalar);
        return !scalar.empty();
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

// The fields that differ, pinned against now, at most twenty; empty when the dumps agree.
std::string differences(const std::string& pinnedText, const std::string& nowText) {
    Fields pinned;
    Fields now;
    if (!FieldReader(pinnedText).read(pinned)) {
        return "  the pinned dump is not JSON\n";
    }
    if (!FieldReader(nowText).read(now)) {
        return "  the replay's dump is not JSON\n";
    }
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

TEST(GoldenReplay, MatchesThePinnedStateAtEveryPinnedFrame) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    std::vector<int> frames;
    std::ifstream frameList(GoldenFolder + "/frames");
    for (int frame = 0; frameList >> frame;) {
        frames.push_back(frame);
    }
    std::sort(frames.begin(), frames.end());
    ASSERT_FALSE(frames.empty()) << "no frames listed in " << GoldenFolder << "/frames";
    std::vector<ScriptEvent> script;
    std::string error;
    std::ifstream scriptFile(GoldenFolder + "/replay.script");
    ASSERT_TRUE(parseScript(scriptFile, script, error)) << error;

    HeadlessGame game(gameDataFolder());
    ASSERT_TRUE(game.start());
    ScriptedRun replay(std::move(script), 16);
    bool exited = false;
    for (const int frame : frames) {
        const std::string pinnedPath =
            GoldenFolder + "/expected/frame-" + std::to_string(frame) + ".json";
        ASSERT_TRUE(fs::exists(pinnedPath))
            << "nothing pinned for frame " << frame << ": run tests/golden/pin";
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
            << "If the change is meant, pin it anew with tests/golden/pin and review the diff "
               "of tests/golden/expected.";
    }
}

} // namespace
