// What the browser back end's parts share: the keys and buttons held, the finger on the
// screen, the cursor, the pads heard, and the count of frames shown.
#pragma once

#include <set>

#include "platform/window.h"

namespace platform::web {

// The mouse button a finger stands for: the left one clicks, the right one steers.
enum class TouchButton { None, Left, Right };

struct State {
    std::set<int> keysDown; // by the browser's key code, to be let go when the focus goes
    Point cursor;
    unsigned buttonsDown = 0;               // a bit for each mouse button pressed on the canvas
    TouchButton finger = TouchButton::None; // the button the finger on the canvas holds
    bool windowOpen = false;
    bool hidden = false; // the page is in a background tab: the game counts as minimised
    int framesShown = 0;
    int volumePercent = 100;     // 0: no sound is played, though every sound keeps its time
    bool runEnded = false;       // the game's run is over: the page may ask for its last state
    std::set<int> padsConnected; // by the Gamepad API's index
};

State& state();

// Samples the pads for the controller mapping.
void readPads();

// The page's canvas, as the html5 calls name it.
inline constexpr const char* CanvasTarget = "#canvas";

} // namespace platform::web
