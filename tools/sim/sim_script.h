// Input scripts: one event a line, "FRAME EVENT [ARGS]", delivered before that frame runs.
#pragma once

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

// Reads the whole script; on a bad line, false with the reason (and the line's number).
bool parseScript(std::istream& in, std::vector<ScriptEvent>& events, std::string& error);

// The window event an input line stands for (a mouse line is a move, its point the cursor's);
// false for the lines that are no input: the clock's tick and the lost surfaces.
bool inputEventOf(const ScriptEvent& event, platform::Event& input);
