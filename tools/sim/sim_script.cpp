// Parsing input scripts. '#' starts a comment; blank lines are skipped.
#include "sim/sim_script.h"

#include <cstdio>
#include <map>
#include <sstream>

#include "platform/file_system.h"
#include "platform/printable.h"
#include "platform/window.h"

namespace {

bool parseKey(const std::string& word, int& key) {
    static const std::map<std::string, int> names = {
        {"LEFT", platform::KeyLeft}, {"RIGHT", platform::KeyRight},   {"UP", platform::KeyUp},
        {"DOWN", platform::KeyDown}, {"ESCAPE", platform::KeyEscape},
    };
    const auto named = names.find(word);
    if (named != names.end()) {
        key = named->second;
        return true;
    }
    std::istringstream number(word);
    return static_cast<bool>(number >> key) && number.eof() && key >= 0 && key <= 255;
}

} // namespace

bool parseScript(std::istream& in, std::vector<ScriptEvent>& events, std::string& error) {
    using Kind = ScriptEvent::Kind;
    static const std::map<std::string, std::pair<Kind, int>> words = {
        // event word -> kind, number of arguments
        {"keydown", {Kind::KeyDown, 1}}, {"keyup", {Kind::KeyUp, 1}},
        {"mouse", {Kind::Mouse, 2}},     {"ldown", {Kind::LeftDown, 0}},
        {"lup", {Kind::LeftUp, 0}},      {"rdown", {Kind::RightDown, 0}},
        {"rup", {Kind::RightUp, 0}},     {"minimize", {Kind::Minimize, 0}},
        {"restore", {Kind::Restore, 0}}, {"close", {Kind::Close, 0}},
        {"tick", {Kind::Tick, 1}},       {"lose", {Kind::Lose, 0}},
    };
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(lineNumber) + ": " + why;
            return false;
        };
        if (line.size() > LongestScriptLine) {
            return fail("longer than " + std::to_string(LongestScriptLine) + " characters");
        }
        const std::size_t comment = line.find('#');
        if (comment != std::string::npos) {
            line.erase(comment);
        }
        std::istringstream fields(line);
        std::string frameWord;
        if (!(fields >> frameWord)) {
            continue;
        }
        ScriptEvent event;
        std::istringstream frameNumber(frameWord);
        long long frame = 0;
        if (!(frameNumber >> frame) || !frameNumber.eof() || frame < 1) {
            return fail("a frame number of 1 or more must come first");
        }
        if (frame > LastScriptFrame) {
            return fail("frame " + frameWord + " lies past the last frame a demo may name, " +
                        std::to_string(LastScriptFrame) + " (19 days at 60 frames a second)");
        }
        event.frame = static_cast<int>(frame);
        std::string word;
        if (!(fields >> word) || words.count(word) == 0) {
            return fail("unknown event '" + platform::printable(word) + "'");
        }
        const auto [kind, arguments] = words.at(word);
        event.kind = kind;
        std::string argument;
        if (arguments >= 1) {
            if (!(fields >> argument)) {
                return fail(word + " needs an argument");
            }
            if (kind == Kind::KeyDown || kind == Kind::KeyUp) {
                if (!parseKey(argument, event.first)) {
                    return fail("unknown key '" + platform::printable(argument) + "'");
                }
            } else {
                std::istringstream number(argument);
                if (!(number >> event.first) || !number.eof() || event.first < 0) {
                    return fail("'" + platform::printable(argument) +
                                "' is not a number of 0 or more");
                }
            }
        }
        if (arguments == 2) {
            if (!(fields >> event.second) || event.second < 0) {
                return fail(word + " needs two numbers");
            }
        }
        if (fields >> argument) {
            return fail("too many arguments for " + word);
        }
        events.push_back(event);
    }
    return true;
}

bool readScriptFile(const std::string& path, std::vector<ScriptEvent>& events, std::string& error) {
    platform::OpenFailure failure;
    std::FILE* file = platform::openRegularFile(path, &failure);
    if (file == nullptr) {
        error = "cannot read " + path + ": " + failure.reason;
        return false;
    }
    std::string text;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    if (size >= 0 && size <= LargestScriptFile && std::fseek(file, 0, SEEK_SET) == 0) {
        // One byte more tells a file that grew since.
        text.resize(static_cast<std::size_t>(size) + 1);
        text.resize(std::fread(text.data(), 1, text.size(), file));
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (size < 0 || failed) {
        error = "cannot read " + path;
        return false;
    }
    if (size > LargestScriptFile || text.size() > static_cast<std::size_t>(LargestScriptFile)) {
        error = path + ": larger than " + std::to_string(LargestScriptFile >> 20) +
                " MB, more than any demo holds";
        return false;
    }
    std::istringstream lines(text);
    text.clear();
    text.shrink_to_fit();
    if (!parseScript(lines, events, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool inputEventOf(const ScriptEvent& event, platform::Event& input) {
    using Kind = ScriptEvent::Kind;
    using platform::EventType;
    switch (event.kind) {
    case Kind::KeyDown:
        input = {EventType::KeyDown, event.first, false};
        return true;
    case Kind::KeyUp:
        input = {EventType::KeyUp, event.first, false};
        return true;
    case Kind::Mouse:
        input = {EventType::MouseMove, 0, false};
        return true;
    case Kind::LeftDown:
        input = {EventType::LeftButtonDown, 0, false};
        return true;
    case Kind::LeftUp:
        input = {EventType::LeftButtonUp, 0, false};
        return true;
    case Kind::RightDown:
        input = {EventType::RightButtonDown, 0, false};
        return true;
    case Kind::RightUp:
        input = {EventType::RightButtonUp, 0, false};
        return true;
    case Kind::Minimize:
    case Kind::Restore:
        input = {EventType::Activate, 0, event.kind == Kind::Minimize};
        return true;
    case Kind::Close:
        input = {EventType::Close, 0, false};
        return true;
    case Kind::Tick:
    case Kind::Lose:
        break;
    }
    return false;
}
