// The scripted back end before the contract: its input is queued as the simulator's scripts
// queue it, with the key codes a script gives.
#include "back_end_driver.h"
#include "platform/headless/headless.h"
#include "platform/window.h"

namespace contract {

bool startMachine(const char*& /*reason*/) {
    headless::reset();
    return true;
}

void pressKey(Key key, bool down) {
    // A script names Escape and the arrows and gives every other key by its code.
    constexpr int Codes[] = {'A',
                             'Z',
                             '0',
                             '9',
                             platform::KeyEscape,
                             platform::KeyLeft,
                             platform::KeyUp,
                             platform::KeyRight,
                             platform::KeyDown,
                             0xFF};
    const auto type = down ? platform::EventType::KeyDown : platform::EventType::KeyUp;
    headless::queueEvent({type, Codes[static_cast<int>(key)], false});
}

void pointAt(int x, int y) {
    headless::setCursor(x, y);
    headless::queueEvent({platform::EventType::MouseMove, 0, false});
}

void setMinimised(bool minimised) {
    headless::queueEvent({platform::EventType::Activate, 0, minimised});
}

bool closeByPlayer() {
    headless::queueEvent({platform::EventType::Close, 0, false});
    return true;
}

bool loseScreen(const char*& /*reason*/) {
    headless::loseSurfacesAtNextFlip();
    return true;
}

} // namespace contract
