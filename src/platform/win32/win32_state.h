// What the Windows back end's parts share: the program instance, the game's window, the
// player's choice of screen, and the events its window procedure has turned into the game's own.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/palette.h"
#include "platform/session.h"
#include "platform/surface.h"
#include "platform/window.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::win32 {

// How the frame reaches the screen.
enum class ScreenMode {
    Exclusive,  // the display's own 1024 x 768 x 8 mode, flipped by DirectDraw
    Borderless, // a window over the whole desktop at its own size, the frame scaled
    Window,     // a resizable window, the frame scaled
};

struct State {
    HINSTANCE instance = nullptr;
    int showCommand = SW_SHOWNORMAL;
    HWND window = nullptr;
    bool shown = false;
    bool closePosted = false; // a close the game asked for is on its way
    ScreenChoice choice;
    ScreenMode mode = ScreenMode::Exclusive; // the one in force
    std::function<void(bool fullscreen)> modeListener;
    bool away = false; // the player is elsewhere: another window has the focus, or minimised
    bool screenshotWanted = false; // F12 was pressed; the next frame is written
};

State& state();

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

// Words for the player at start: to the console the game was started from, else in a box.
void tellPlayer(const std::string& text, bool error);

// Keys that only a test build knows; true when the key was one of them.
bool testKey(WPARAM key);

// Releases a COM interface once its owner is done with it.
struct ComRelease {
    template <typename Interface> void operator()(Interface* object) const { object->Release(); }
};

} // namespace platform::win32
