// Feeding a script's events to the scripted back end frame by frame.
#include "sim/scripted_run.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/headless/headless.h"
#include "shell/application.h"

namespace {

void deliver(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    using platform::EventType;
    switch (event.kind) {
    case Kind::KeyDown:
        headless::queueEvent({EventType::KeyDown, event.first, false});
        break;
    case Kind::KeyUp:
        headless::queueEvent({EventType::KeyUp, event.first, false});
        break;
    case Kind::Mouse:
        headless::setCursor(event.first, event.second);
        headless::queueEvent({EventType::MouseMove, 0, false});
        break;
    case Kind::LeftDown:
        headless::queueEvent({EventType::LeftButtonDown, 0, false});
        break;
    case Kind::LeftUp:
        headless::queueEvent({EventType::LeftButtonUp, 0, false});
        break;
    case Kind::RightDown:
        headless::queueEvent({EventType::RightButtonDown, 0, false});
        break;
    case Kind::RightUp:
        headless::queueEvent({EventType::RightButtonUp, 0, false});
        break;
    case Kind::Minimize:
        headless::queueEvent({EventType::Activate, 0, true});
        break;
    case Kind::Restore:
        headless::queueEvent({EventType::Activate, 0, false});
        break;
    case Kind::Close:
        headless::queueEvent({EventType::Close, 0, false});
        break;
    case Kind::Tick: // taken by nextFrame
        break;
    case Kind::Lose:
        headless::loseSurfacesAtNextFlip();
        break;
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
