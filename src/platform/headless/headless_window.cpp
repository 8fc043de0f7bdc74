// The scripted back end's window: events come from a queue that tests and scripts fill.
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/window.h"

namespace platform {

struct Window {};

namespace {
Window theWindow;
}

Window* createWindow(const char* /*title*/) {
    headless::state().windowCreated = true;
    headless::state().windowDestroyed = false;
    return &theWindow;
}

void showWindow(Window* /*window*/) {}

void destroyWindow(Window* /*window*/) {
    auto& state = headless::state();
    if (state.windowCreated && !state.windowDestroyed) {
        state.windowDestroyed = true;
        state.events.push_back({EventType::Quit, 0, false});
    }
}

void postClose(Window* /*window*/) {
    if (!headless::state().windowDestroyed) {
        headless::state().events.push_back({EventType::Close, 0, false});
    }
}

bool peekEvent(Event& event) {
    auto& events = headless::state().events;
    if (events.empty()) {
        return false;
    }
    event = events.front();
    events.pop_front();
    return true;
}

void waitForEvent() {}

Point cursorPosition() {
    return clampToScreen(headless::state().cursor.x, headless::state().cursor.y);
}

} // namespace platform

namespace headless {

void queueEvent(const platform::Event& event) {
    state().events.push_back(event);
}
void setCursor(int x, int y) {
    state().cursor = {x, y};
}
bool windowExists() {
    return state().windowCreated && !state().windowDestroyed;
}

} // namespace headless
