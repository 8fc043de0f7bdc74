// What the Windows back end's parts share: the program instance, the game's window and what
// its window procedure keeps between messages.
#pragma once

#include <memory>

#include "platform/window.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>
#include <xinput.h>

namespace platform::win32 {

struct State {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    HWND window = nullptr;
    bool shown = false;
    bool closePosted = false; // a close the game asked for is on its way

    // XInput's XInputGetState from xinput9_1_0.dll, loaded at run time: null on a machine
    // without it, which plays on without pads. A test may put a function of its own here.
    using PadReader = DWORD(WINAPI*)(DWORD slot, XINPUT_STATE* state);
    PadReader readPad = nullptr;
    HMODULE xinput = nullptr;
    bool padConnected[XUSER_MAX_COUNT] = {};
    DWORD lastEmptySlotsLook = 0; // when the empty slots were last asked (GetTickCount)
};

State& state();

// XInput's pads: loaded once, then read for the controller mapping.
void startPads();
void readPads();

// Shows the last frame again. While the game sleeps (the splash's two seconds) nobody draws,
// and a window that came on screen after its frame (as under Wine) would stay black.
void showLastFrame();

// Releases a COM interface once its owner is done with it.
struct ComRelease {
    template <typename Interface> void operator()(Interface* object) const { object->Release(); }
};
// A COM interface its holder owns.
template <typename Interface> using ComPointer = std::unique_ptr<Interface, ComRelease>;

} // namespace platform::win32
