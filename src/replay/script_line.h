// Scripts and demos share one format: one input a line, "FRAME WHAT [ARGS]", taken before that
// frame runs. The simulator plays them, the game records and shows them, tests write them.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "platform/window.h"

namespace replay {

// One line: an input event, the cursor moved, a frame's clock advance, or the screen's
// surfaces lost at that frame's present.
struct ScriptLine {
    enum class What { Input, Cursor, Tick, Lose };
    int frame = 0;
    What what = What::Input;
    platform::Event event;  // Input
    platform::Point cursor; // Cursor
    std::uint32_t ms = 0;   // Tick
};

// Reads the whole script; on a bad line, false with the reason (and the line's number).
bool readScript(std::istream& in, std::vector<ScriptLine>& lines, std::string& error);

// Reads a script file, its lines put in frame order (a frame's own lines keep theirs); false
// with the reason when it cannot be read or is no script. What names the file in a message
// ("script", "demo").
bool readScriptFile(const std::string& path, const std::string& what,
                    std::vector<ScriptLine>& lines, std::string& error);

// The line as the reader reads it back ("12 keydown 37").
std::string scriptLine(const ScriptLine& line);

// The window event a line delivers (a cursor line is a mouse move to its point); false for
// the lines that are no input: the clock's tick and the lost surfaces.
bool inputEventOf(const ScriptLine& line, platform::Event& input);

} // namespace replay
