// The screen on Windows: the exclusive 1024 x 768 x 8 mode by DirectDraw, or the frame scaled
// into a borderless window over the desktop or an ordinary one by GDI. A full screen whose mode
// cannot be set falls back to borderless. Frames are paced at 60 a second by our own timer,
// since the flip does not wait for the display everywhere; while the screen is lost the
// frames keep that pace rather than spin.
#include <array>
#include <cstdio>
#include <vector>

#include "platform/display_backend.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <ddraw.h>
#include <windows.h>

namespace platform::win32 {

namespace {

constexpr int FramesPerSecond = 60;

// The frame on screen, to show again.
struct LastFrame {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    std::array<PaletteEntry, 256> colours{};
};

LastFrame lastFrame;
bool displayMade = false; // the DirectDraw device exists

// Sleeps until the next frame is due; after a long stall the schedule starts afresh.
void waitForNextFrame() {
    static LONGLONG due = 0;
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        Sleep(1000 / FramesPerSecond);
        return;
    }
    const LONGLONG period = frequency.QuadPart / FramesPerSecond;
    QueryPerformanceCounter(&now);
    if (due == 0 || now.QuadPart > due + 4 * period) {
        due = now.QuadPart;
    }
    due += period;
    while (now.QuadPart < due) {
        const LONGLONG remaining = (due - now.QuadPart) * 1000 / frequency.QuadPart;
        Sleep(remaining > 1 ? static_cast<DWORD>(remaining - 1) : 1);
        QueryPerformanceCounter(&now);
    }
}

const char* modeName(ScreenMode mode) {
    switch (mode) {
    case ScreenMode::Exclusive:
        return "exclusive full screen at 1024 x 768 x 8";
    case ScreenMode::Borderless:
        return "borderless full screen";
    case ScreenMode::Window:
        return "a window";
    }
    return "";
}

void useMode(ScreenMode mode) {
    state().mode = mode;
    shapeWindow(mode);
}

// The mode for the log, with where the frame lies on the desktop.
std::string describeMode() {
    const auto& s = state();
    std::string text = modeName(s.mode);
    if (s.mode != ScreenMode::Exclusive && s.window != nullptr) {
        const Placement frame = clientPlacement(s.window, s.choice.integerScale);
        POINT origin{frame.x, frame.y};
        ClientToScreen(s.window, &origin);
        char where[96];
        std::snprintf(where, sizeof where, ", the frame at (%ld, %ld) in %d x %d", origin.x,
                      origin.y, frame.width, frame.height);
        text += where;
    }
    return text + "\n";
}

// The display refused its 1024 x 768 x 8 mode: the game plays borderless instead.
void fallBack(const char* what, HResult result) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "%s failed (0x%08lX): playing borderless at the desktop's own size\n", what,
                  static_cast<unsigned long>(result));
    logLine(line);
    leaveExclusive();
    useMode(ScreenMode::Borderless);
    logLine("Showing the game in " + describeMode());
}

// Shows what the frame holds in the mode in force; the exclusive screen may report it lost.
HResult show(const std::uint8_t* pixels, int width, int height, const PaletteEntry* colours) {
    if (state().mode == ScreenMode::Exclusive) {
        return showExclusive(pixels, width, height, colours);
    }
    showScaled(state().window, pixels, width, height, colours, state().choice.integerScale);
    return S_OK;
}

} // namespace

ScreenMode chosenMode(const ScreenChoice& choice) {
    return !choice.fullscreen ? ScreenMode::Window
           : choice.exclusive ? ScreenMode::Exclusive
                              : ScreenMode::Borderless;
}

void showLastFrame() {
    if (lastFrame.pixels.empty() || state().window == nullptr) {
        return;
    }
    // Lets the system bring the window on screen first; the messages stay queued.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    show(lastFrame.pixels.data(), lastFrame.width, lastFrame.height, lastFrame.colours.data());
}

void switchScreenMode() {
    auto& s = state();
    if (s.window == nullptr || !displayMade) {
        return;
    }
    s.choice.fullscreen = !s.choice.fullscreen;
    const ScreenMode wanted = chosenMode(s.choice);
    if (s.mode == ScreenMode::Exclusive) {
        leaveExclusive();
    }
    useMode(wanted);
    if (wanted == ScreenMode::Exclusive) {
        const HResult result = enterExclusive();
        if (result != S_OK) {
            fallBack("Setting the display to 1024 x 768 x 8", result);
        }
    }
    logLine("Now showing the game in " + describeMode());
    showLastFrame();
    if (s.modeListener) {
        s.modeListener(s.choice.fullscreen);
    }
}

void focusChanged(bool away) {
    auto& s = state();
    if (away != s.away) {
        logLine(away ? "The player left the game: paused\n" : "The player is back\n");
    }
    s.away = away;
    if (away && s.mode == ScreenMode::Exclusive && displayMade) {
        // The desktop gets its own mode back while the player is elsewhere, and the game's
        // window steps aside; coming back sets the mode again.
        loseExclusive();
        if (!IsIconic(s.window)) {
            ShowWindow(s.window, SW_MINIMIZE);
        }
    }
}

} // namespace platform::win32

namespace platform::backend {

using win32::ScreenMode;

HResult displayStep(DisplayStep step, Window* /*window*/, int width, int height, int bitsPerPixel) {
    auto& s = win32::state();
    if (step == DisplayStep::CreateDevice) {
        const HResult result = win32::createDirectDraw();
        win32::displayMade = result == S_OK;
        return result;
    }
    if (step == DisplayStep::CooperativeLevel) {
        // The window shows from here on, so that the splash is seen while the game loads.
        win32::useMode(win32::chosenMode(s.choice));
        win32::logLine("Showing the game in " + win32::describeMode());
        ShowWindow(s.window, SW_SHOWNORMAL);
        UpdateWindow(s.window);
        s.shown = true;
    }
    if (s.mode != ScreenMode::Exclusive) {
        return S_OK; // GDI draws into the window: no surfaces, no palette of the display's
    }
    const HResult result = win32::exclusiveStep(step, width, height, bitsPerPixel);
    if (result != S_OK &&
        (step == DisplayStep::CooperativeLevel || step == DisplayStep::DisplayMode)) {
        win32::fallBack(step == DisplayStep::DisplayMode ? "Setting the display to 1024 x 768 x 8"
                                                         : "Taking the screen for the game alone",
                        result);
        return S_OK;
    }
    return result;
}

HResult present(const Surface& frame, const Palette& palette) {
    if (!win32::displayMade) {
        return DDERR_GENERIC;
    }
    if (win32::state().screenshotWanted) {
        win32::state().screenshotWanted = false;
        win32::writeScreenshot(frame, palette);
    }
    auto& last = win32::lastFrame;
    last.pixels.assign(frame.pixels(),
                       frame.pixels() + static_cast<std::size_t>(frame.width()) *
                                            static_cast<std::size_t>(frame.height()));
    last.width = frame.width();
    last.height = frame.height();
    last.colours = palette.entries();
    const HResult result =
        win32::show(frame.pixels(), frame.width(), frame.height(), last.colours.data());
    // A lost screen waits its frame too: the game tries to restore it once a frame, not
    // as fast as it can.
    win32::waitForNextFrame();
    if (result == DDERR_SURFACELOST) {
        return result;
    }
    return result == S_OK ? S_OK : DDERR_GENERIC;
}

HResult restoreDisplay() {
    if (win32::state().mode != ScreenMode::Exclusive) {
        return S_OK;
    }
    if (win32::state().away) {
        return DDERR_SURFACELOST; // not while the player is elsewhere
    }
    const HResult result = win32::restoreExclusive();
    if (result == S_OK) {
        win32::logLine("The screen is back at 1024 x 768 x 8\n");
    }
    if (result != S_OK && result != DDERR_SURFACELOST && result != DDERR_WRONGMODE) {
        // The display will not take 1024 x 768 x 8 again: the game plays on borderless.
        win32::fallBack("Setting the display to 1024 x 768 x 8 again", result);
        return S_OK;
    }
    return result;
}

HResult acquireDC() {
    if (win32::state().mode != ScreenMode::Exclusive || !win32::displayMade) {
        return S_OK; // drawing goes to memory; the frame is shown whole
    }
    return win32::exclusiveLost() ? DDERR_SURFACELOST : S_OK;
}

void closeDisplay() {
    win32::closeDirectDraw();
    win32::displayMade = false;
}

} // namespace platform::backend
