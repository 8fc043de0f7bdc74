// What the browser back end's parts share: the cursor and
// the count of frames shown.
#pragma once

#include <deque>
#include <set>

#include "platform/window.h"

namespace platform::web {

struct State {
    std::set<int> keysDown; // by the browser's key code, to be let go when the focus goes
    Point cursor;
    unsigned buttonsDown = 0; // a bit for each mouse button pressed on the canvas
    bool windowOpen = false;
    bool hidden = false; // the page is in a background tab: the game counts as minimised
    int framesShown = 0;
};

State& state();

// The page's canvas, as the html5 calls name it.
inline constexpr const char* CanvasTarget = "#canvas";

} // namespace platform::web
