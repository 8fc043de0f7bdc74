// Reading and writing script lines. '#' starts a comment; blank lines are skipped.
#include "replay/script_line.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace replay {

namespace {

using platform::EventType;
using What = ScriptLine::What;

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

// What a word stands for: the line's kind, the event of an input line, and how many numbers
// follow it.
struct Word {
    What what;
    EventType type;
    bool minimized;
    int arguments;
};

const std::map<std::string, Word>& words() {
    static const std::map<std::string, Word> table = {
        {"keydown", {What::Input, EventType::KeyDown, false, 1}},
        {"keyup", {What::Input, EventType::KeyUp, false, 1}},
        {"mouse", {What::Cursor, EventType::MouseMove, false, 2}},
        {"ldown", {What::Input, EventType::LeftButtonDown, false, 0}},
        {"lup", {What::Input, EventType::LeftButtonUp, false, 0}},
        {"rdown", {What::Input, EventType::RightButtonDown, false, 0}},
        {"rup", {What::Input, EventType::RightButtonUp, false, 0}},
        {"minimize", {What::Input, EventType::Activate, true, 0}},
        {"restore", {What::Input, EventType::Activate, false, 0}},
        {"close", {What::Input, EventType::Close, false, 0}},
        {"tick", {What::Tick, EventType::MouseMove, false, 1}},
        {"lose", {What::Lose, EventType::MouseMove, false, 0}},
    };
    return table;
}

} // namespace

bool readScript(std::istream& in, std::vector<ScriptLine>& lines, std::string& error) {
    std::string text;
    for (int lineNumber = 1; std::getline(in, text); ++lineNumber) {
        const std::size_t comment = text.find('#');
        if (comment != std::string::npos) {
            text.erase(comment);
        }
        std::istringstream fields(text);
        std::string frameWord;
        if (!(fields >> frameWord)) {
            continue;
        }
        const auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(lineNumber) + ": " + why;
            return false;
        };
        ScriptLine line;
        std::istringstream frameNumber(frameWord);
        if (!(frameNumber >> line.frame) || !frameNumber.eof() || line.frame < 1) {
            return fail("a frame number of 1 or more must come first");
        }
        std::string word;
        if (!(fields >> word) || words().count(word) == 0) {
            return fail("unknown event '" + word + "'");
        }
        const Word& meaning = words().at(word);
        line.what = meaning.what;
        if (meaning.what == What::Input) {
            line.event = {meaning.type, 0, meaning.minimized};
        }
        int first = 0;
        std::string argument;
        if (meaning.arguments >= 1) {
            if (!(fields >> argument)) {
                return fail(word + " needs an argument");
            }
            if (meaning.type == EventType::KeyDown || meaning.type == EventType::KeyUp) {
                if (!parseKey(argument, line.event.key)) {
                    return fail("unknown key '" + argument + "'");
                }
            } else {
                std::istringstream number(argument);
                if (!(number >> first) || !number.eof() || first < 0) {
                    return fail("'" + argument + "' is not a number of 0 or more");
                }
            }
        }
        if (meaning.arguments == 2) {
            int second = 0;
            if (!(fields >> second) || second < 0) {
                return fail(word + " needs two numbers");
            }
            line.cursor = {first, second};
        }
        if (meaning.what == What::Tick) {
            line.ms = static_cast<std::uint32_t>(first);
        }
        if (fields >> argument) {
            return fail("too many arguments for " + word);
        }
        lines.push_back(line);
    }
    return true;
}

bool readScriptFile(const std::string& path, const std::string& what,
                    std::vector<ScriptLine>& lines, std::string& error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read the " + what + " " + path;
        return false;
    }
    lines.clear();
    if (!readScript(file, lines, error)) {
        error = path + ": " + error;
        return false;
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.frame < b.frame; });
    return true;
}

std::string scriptLine(const ScriptLine& line) {
    std::string text = std::to_string(line.frame) + ' ';
    switch (line.what) {
    case What::Tick:
        return text + "tick " + std::to_string(line.ms);
    case What::Lose:
        return text + "lose";
    case What::Cursor:
        return text + "mouse " + std::to_string(line.cursor.x) + ' ' +
               std::to_string(line.cursor.y);
    case What::Input:
        break;
    }
    const platform::Event& event = line.event;
    switch (event.type) {
    case EventType::KeyDown:
        return text + "keydown " + std::to_string(event.key);
    case EventType::KeyUp:
        return text + "keyup " + std::to_string(event.key);
    case EventType::LeftButtonDown:
        return text + "ldown";
    case EventType::LeftButtonUp:
        return text + "lup";
    case EventType::RightButtonDown:
        return text + "rdown";
    case EventType::RightButtonUp:
        return text + "rup";
    case EventType::Activate:
        return text + (event.minimized ? "minimize" : "restore");
    case EventType::Close:
        return text + "close";
    case EventType::MouseMove:
    case EventType::Quit:
        break;
    }
    return "# " + text + "(an event the simulator has no word for)";
}

bool inputEventOf(const ScriptLine& line, platform::Event& input) {
    switch (line.what) {
    case What::Input:
        input = line.event;
        return true;
    case What::Cursor:
        input = {EventType::MouseMove, 0, false};
        return true;
    case What::Tick:
    case What::Lose:
        break;
    }
    return false;
}

} // namespace replay
