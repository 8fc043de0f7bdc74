// Input scripts: one event a line, "FRAME EVENT [ARGS]", delivered before that frame runs.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "platform/window.h"

struct ScriptEvent {
    enum class Kind {
        KeyDown,
        KeyUp,
        Mouse,
        LeftDown,
        LeftUp,
        RightDown,
        RightUp,
        Minimize,
        Restore,
        Close,
        Tick,
        Lose,
    };
    int frame = 0;
    Kind kind = Kind::Mouse;
    int first = 0;  // key code, x, or milliseconds
    int second = 0; // y
};

// The last frame a script may name: some 19 days of play at 60 frames a second.
inline constexpr int LastScriptFrame = 100000000;
// The largest script file read, and its longest line.
inline constexpr long LargestScriptFile = 64L << 20;
inline constexpr std::size_t LongestScriptLine = 4096;

// Reads the whole script; on a bad line, false with the reason (and the line's number).
bool parseScript(std::istream& in, std::vector<ScriptEvent>& events, std::string& error);

// Reads the script file at path: only a regular file of LargestScriptFile bytes at most, so
// that the memory it takes is bounded by that. False with the reason, the file named.
bool readScriptFile(const std::string& path, std::vector<ScriptEvent>& events, std::string& error);

// The window event an input line stands for (a mouse line is a move, its point the cursor's);
// false for the lines that are no input: the clock's tick and the lost surfaces.
bool inputEventOf(const ScriptEvent& event, platform::Event& input);
