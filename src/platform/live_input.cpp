// The live input queue, and what the game and the launcher tell the controller mapping.
#include "platform/live_input.h"

namespace platform {

namespace {

bool isMouse(EventType type) {
    switch (type) {
    case EventType::MouseMove:
    case EventType::LeftButtonDown:
    case EventType::LeftButtonUp:
    case EventType::RightButtonDown:
    case EventType::RightButtonUp:
        return true;
    default:
        return false;
    }
}

} // namespace

void LiveInput::push(const Event& event) {
    waiting_.push_back({event, false, {}});
}

void LiveInput::padState(int id, const PadState& state) {
    mapping_.update(id, state, padEvents_);
    takePadEvents();
}

void LiveInput::padRemoved(int id) {
    mapping_.removed(id, padEvents_);
    takePadEvents();
}

void LiveInput::takePadEvents() {
    for (const PadEvent& padEvent : padEvents_) {
        waiting_.push_back({padEvent.event, true, padEvent.cursor});
    }
    padEvents_.clear();
}

bool LiveInput::take(Event& event) {
    if (waiting_.empty() || !clicks_.mayTake(waiting_.front().event)) {
        clicks_.turnEnded();
        return false;
    }
    const Waiting next = waiting_.front();
    waiting_.pop_front();
    clicks_.taken(next.event);
    if (next.fromPad && next.event.type == EventType::MouseMove) {
        padCursor_ = true;
        padPoint_ = next.cursor;
    } else if (!next.fromPad && isMouse(next.event.type)) {
        padCursor_ = false; // the mouse has the cursor back
    }
    event = next.event;
    return true;
}

LiveInput& liveInput() {
    static LiveInput theInput;
    return theInput;
}

void tellPlayContext(const PlayContext& context) {
    liveInput().mapping().setContext(context);
}

void choosePadDeadzone(int percent) {
    liveInput().mapping().setDeadzone(percent);
}

} // namespace platform
