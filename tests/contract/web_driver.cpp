// The browser back end before the contract: the page that runs this test hands each action to
// headless Chromium, which presses keys on the canvas and moves the mouse over the page as a
// player would; a tab going to the background is the page's minimise.
#include <emscripten.h>

#include "back_end_driver.h"

namespace contract {

namespace {

// Asks the page for one action and waits until the browser has delivered it.
EM_ASYNC_JS(void, act, (const char* what, int x, int y),
            { await window.contractAct(UTF8ToString(what), x, y); });

} // namespace

bool startMachine(const char*& /*reason*/) {
    return true;
}

void pressKey(Key key, bool down) {
    // F2 is a key the browser gives no code the game knows.
    constexpr const char* Names[] = {"KeyA",      "KeyZ",    "Digit0",     "Digit9",    "Escape",
                                     "ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown", "F2"};
    act(Names[static_cast<int>(key)], down ? 1 : 0, 0);
}

void pointAt(int x, int y) {
    act("point", x, y);
}

void setMinimised(bool minimised) {
    act("hide", minimised ? 1 : 0, 0);
}

bool closeByPlayer() {
    // Closing a tab ends the page with the game in it: there is no close for the game to see.
    return false;
}

bool loseScreen(const char*& reason) {
    reason = "the page's canvas keeps its pixels: the browser never takes the screen away";
    return false;
}

} // namespace contract
