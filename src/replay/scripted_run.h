// A game on the scripted back end played by an input script, one frame at a time: a frame's
// events go in, the fake clock moves on, one turn of the message loop runs.
#pragma once

#include <cstddef>
#include <vector>

#include "replay/script_line.h"

class ScriptedRun {
public:
    // The script in any order; each frame moves the clock on by tickMs unless it says otherwise.
    ScriptedRun(std::vector<replay::ScriptLine> script, int tickMs);

    // Runs the next frame; false once the game has quit.
    bool nextFrame();
    // The frames run so far.
    int frame() const { return frame_; }

private:
    std::vector<replay::ScriptLine> script_;
    std::size_t next_ = 0;
    int frame_ = 0;
    int tickMs_;
};
