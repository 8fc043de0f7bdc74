// Feeding a script's events to the scripted back end frame by frame.
#include "replay/scripted_run.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/headless/headless.h"
#include "shell/application.h"

namespace {

using replay::ScriptLine;

void deliver(const ScriptLine& line) {
    if (line.what == ScriptLine::What::Cursor) {
        headless::setCursor(line.cursor.x, line.cursor.y);
    }
    if (line.what == ScriptLine::What::Lose) {
        headless::loseSurfacesAtNextFlip();
    }
    platform::Event input;
    if (replay::inputEventOf(line, input)) {
        headless::queueEvent(input);
    }
}

} // namespace

ScriptedRun::ScriptedRun(std::vector<ScriptLine> script, int tickMs)
    : script_(std::move(script)), tickMs_(tickMs) {
    std::stable_sort(script_.begin(), script_.end(),
                     [](const auto& a, const auto& b) { return a.frame < b.frame; });
}

bool ScriptedRun::nextFrame() {
    ++frame_;
    int tickMs = tickMs_;
    for (; next_ < script_.size() && script_[next_].frame == frame_; ++next_) {
        const ScriptLine& line = script_[next_];
        if (line.what == ScriptLine::What::Tick) {
            tickMs = static_cast<int>(line.ms);
        }
        deliver(line);
    }
    headless::advanceClock(static_cast<std::uint32_t>(tickMs));
    return runLoopTurn();
}
