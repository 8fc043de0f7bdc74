// The scripted back end's window: its events are the ones tests and scripts queue.
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/input_queue.h"
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
        input::post(EventType::Quit);
    }
}

void postClose(Window* /*window*/) {
    if (!headless::state().windowDestroyed) {
        input::post(EventType::Close);
    }
}

void backend::pumpEvents() {}

void waitForEvent() {}

Point backend::mouseCursor() {
    return headless::state().cursor;
}

} // namespace platform

namespace headless {

void queueEvent(const platform::Event& event) {
    platform::input::push(event);
}
void setCursor(int x, int y) {
    state().cursor = {x, y};
}
bool windowExists() {
    return state().windowCreated && !state().windowDestroyed;
}

} // namespace headless
