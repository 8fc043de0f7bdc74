// What the Windows back end's parts share: the program instance, the game's window, the
// player's choice of screen, and the events its window procedure has turned into the game's own.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/palette.h"
#include "platform/session.h"
#include "platform/surface.h"
#include "platform/window.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>
#include <xinput.h>

namespace platform::win32 {

// How the frame reaches the screen.
enum class ScreenMode {
    Exclusive,  // the display's own 1024 x 768 x 8 mode, flipped by DirectDraw
    Borderless, // a window over the whole desktop at its own size, the frame scaled
    Window,     // a resizable window, the frame scaled
};

struct State {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWDEFAULT; // as the program was started: STARTUPINFO says
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
    ScreenChoice choice;
    ScreenMode mode = ScreenMode::Exclusive; // the one in force
    std::function<void(bool fullscreen)> modeListener;
    bool away = false; // the player is elsewhere: another window has the focus, or minimised
    bool screenshotWanted = false; // F12 was pressed; the next frame is written
};

State& state();

// XInput's pads: loaded once, then read for the controller mapping.
void startPads();
void readPads();

// Shows the last frame again. While the game sleeps (the splash's two seconds) nobody draws,
// and a window that came on screen after its frame (as under Wine) would stay black.
// The mode the player's choice asks for.
ScreenMode chosenMode(const ScreenChoice& choice);

// Gives the window the shape of the mode: the screen's size, the desktop's, or a frame
// around 1024 x 768.
void shapeWindow(ScreenMode mode);

// Alt+Enter: between full screen and a window; the listener hears of it.
void switchScreenMode();

// The player left the game or came back to it.
void focusChanged(bool away);

// Shows the last frame again. While the game sleeps (the splash's two seconds, the pause
// while the player is away) nobody draws, and a window that came on screen after its frame
// (as under Wine) would stay black.
void showLastFrame();

// The frame as a PNG file in the screenshot folder.
void writeScreenshot(const Surface& frame, const Palette& palette);

// One line of the game's diagnostics, into the log and the debugger's output.
void logLine(const std::string& text);
// Where the log is; empty when the player has no local application-data folder.
std::string logPath();

// Keys that only a test build knows; true when the key was one of them.
bool testKey(WPARAM key);

// Releases a COM interface once its owner is done with it.
struct ComRelease {
    template <typename Interface> void operator()(Interface* object) const { object->Release(); }
};
// A COM interface its holder owns.
template <typename Interface> using ComPointer = std::unique_ptr<Interface, ComRelease>;

} // namespace platform::win32
