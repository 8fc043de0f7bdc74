// What the Windows back end's parts share: the program instance, the game's window and the
// events its window procedure has turned into the game's own.
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
    std::deque<Event> events; // translated by the window procedure, not yet taken
};

State& state();

// Releases a COM interface once its owner is done with it.
struct ComRelease {
    template <typename Interface> void operator()(Interface* object) const { object->Release(); }
};

} // namespace platform::win32
