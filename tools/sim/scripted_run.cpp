// Feeding a script's events to the scripted back end frame by frame.
#include "sim/scripted_run.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/headless/headless.h"
#include "shell/application.h"

namespace {

void deliver(const ScriptEvent& event) {
    if (event.kind == ScriptEvent::Kind::Mouse) {
        headless::setCursor(event.first, event.second);
    }
    if (event.kind == ScriptEvent::Kind::Lose) {
        headless::loseSurfacesAtNextFlip();
    }
    platform::Event input;
    if (inputEventOf(event, input)) {
        headless::queueEvent(input);
    }
}

} // namespace

ScriptedRun::ScriptedRun(std::vector<ScriptEvent> script, int tickMs)
    : script_(std::move(script)), tickMs_(tickMs) {
    std::stable_sort(script_.begin(), script_.end(),
                     [](const auto& a, const auto& b) { return a.frame < b.frame; });
}

bool ScriptedRun::nextFrame() {
    ++frame_;
    int tickMs = tickMs_;
    for (; next_ < script_.size() && script_[next_].frame == frame_; ++next_) {
        const ScriptEvent& event = script_[next_];
        if (event.kind == ScriptEvent::Kind::Tick) {
            tickMs = event.first;
        }
        deliver(event);
    }
    headless::advanceClock(static_cast<std::uint32_t>(tickMs));
    return runLoopTurn();
}
