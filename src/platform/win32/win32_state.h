// What the Windows back end's parts share: the program instance, the game's window and what
// its window procedure keeps between messages.
#pragma once

#include <deque>

#include "platform/window.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::win32 {

struct State {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    HWND window = nullptr;
    bool shown = false;
    bool closePosted = false; // a close the game asked for is on its way
};

State& state();

// Shows the last frame again. While the game sleeps (the splash's two seconds) nobody draws,
// and a window that came on screen after its frame (as under Wine) would stay black.
void showLastFrame();

// Releases a COM interface once its owner is done with it.
struct ComRelease {
    template <typename Interface> void operator()(Interface* object) const { object->Release(); }
};

} // namespace platform::win32
