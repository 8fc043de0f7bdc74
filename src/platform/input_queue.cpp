// The one event queue between the back ends and the game, with the controller mapping's events
// in it, the click rule on its way out, and the tap that a demo puts there.
#include "platform/input_queue.h"

#include "platform/live_input.h"
#include "platform/system.h"

namespace platform {

namespace {

struct Seam {
    Seam() { events.useClickRule(false); }
    LiveInput events;
    InputTap* tap = nullptr;
    std::function<bool(Point)> steersAt;
};

Seam& seam() {
    static Seam theSeam;
    return theSeam;
}

} // namespace

namespace input {

void push(const Event& event) {
    seam().events.push(event);
}

void post(EventType type) {
    Event event;
    event.type = type;
    seam().events.push(event, true);
}

void useClickRule(bool on) {
    seam().events.useClickRule(on);
}

bool waiting() {
    return seam().events.waiting();
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

bool touchSteersAt(Point point) {
    return seam().steersAt && seam().steersAt(point);
}

} // namespace input

void setTouchSteering(std::function<bool(Point point)> steersAt) {
    seam().steersAt = std::move(steersAt);
}

LiveInput& liveInput() {
    return seam().events;
}

namespace {

// The mouse's place, or the pad's while it has the cursor.
Point liveCursor() {
    return seam().events.cursor(backend::mouseCursor());
}

} // namespace

bool peekEvent(Event& event) {
    Seam& s = seam();
    if (s.tap != nullptr && s.tap->before(event, liveCursor())) {
        return true;
    }
    backend::pumpEvents();
    // The back ends have handed in the controller mapping's events with their own; the click
    // rule holds a release that came with its press back for the next frame, before the tap
    // sees either.
    bool posted = false;
    while (s.events.take(event, posted)) {
        if (posted || s.tap == nullptr || s.tap->pass(event, liveCursor())) {
            return true;
        }
    }
    return s.tap != nullptr && s.tap->after(event);
}

Point cursorPosition() {
    const Point live = liveCursor();
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
