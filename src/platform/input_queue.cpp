// The one event queue between the back ends and the game, with the tap that a demo puts there.
#include "platform/input_queue.h"

#include <deque>

#include "platform/system.h"

namespace platform {

namespace {

struct Waiting {
    Event event;
    bool posted = false; // made by the game or the back end, not by the player
};

struct Seam {
    std::deque<Waiting> events;
    InputTap* tap = nullptr;
};

Seam& seam() {
    static Seam theSeam;
    return theSeam;
}

} // namespace

namespace input {

void push(const Event& event) {
    seam().events.push_back({event, false});
}

void post(EventType type) {
    Event event;
    event.type = type;
    seam().events.push_back({event, true});
}

bool waiting() {
    return !seam().events.empty();
}

void clear() {
    seam() = Seam{};
}

void setTap(InputTap* tap) {
    seam().tap = tap;
}

InputTap* tap() {
    return seam().tap;
}

} // namespace input

bool peekEvent(Event& event) {
    Seam& s = seam();
    if (s.tap != nullptr && s.tap->before(event, backend::mouseCursor())) {
        return true;
    }
    backend::pumpEvents();
    // The place for what turns live input into the game's: the controller mapping adds its
    // events to the queue here, and the click rule holds a release that came with its press
    // back for the next frame, before the tap sees either.
    while (!s.events.empty()) {
        const Waiting next = s.events.front();
        s.events.pop_front();
        event = next.event;
        if (next.posted || s.tap == nullptr || s.tap->pass(event, backend::mouseCursor())) {
            return true;
        }
    }
    return s.tap != nullptr && s.tap->after(event);
}

Point cursorPosition() {
    const Point live = backend::mouseCursor();
    const Point cursor = seam().tap != nullptr ? seam().tap->cursor(live) : live;
    return clampToScreen(cursor.x, cursor.y);
}

std::uint32_t tickCount() {
    return seam().tap != nullptr ? seam().tap->clock() : backend::clockTicks();
}

void sleep(std::uint32_t milliseconds) {
    backend::clockSleep(milliseconds);
    if (seam().tap != nullptr) {
        seam().tap->sleep(milliseconds);
    }
}

} // namespace platform
