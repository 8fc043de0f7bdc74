// Clocks, sleep and messages on Windows: the tick count, the performance counter, Sleep, the
// debugger's output and the modal error box.
#include <cstdio>
#include <string>

#include "platform/display_backend.h"
#include "platform/input_queue.h"
#include "platform/system.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <mmsystem.h>
#include <windows.h>

namespace platform {

std::uint32_t backend::clockTicks() {
    return GetTickCount();
}

std::int64_t performanceCounter() {
    LARGE_INTEGER counter;
    return QueryPerformanceCounter(&counter) != 0 ? counter.QuadPart : 0;
}

void backend::clockSleep(std::uint32_t milliseconds) {
    // Long waits go in slices, the screen shown again after each.
    constexpr std::uint32_t Slice = 100;
    while (milliseconds > Slice) {
        Sleep(Slice);
        milliseconds -= Slice;
        win32::showLastFrame();
    }
    Sleep(milliseconds);
}

void debugLine(const char* text) {
    win32::logLine(text);
}

void errorBox(const char* caption, const char* text) {
    win32::logLine(std::string(caption) + ": " + text + "\n");
    // The screen goes back to the desktop first, or the box would sit behind the game.
    backend::closeDisplay();
    const std::string log = win32::logPath();
    const std::string shown =
        log.empty() ? std::string(text) : std::string(text) + "\n\nThe game's log: " + log;
    MessageBoxA(win32::state().window, shown.c_str(), caption, MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void shutdown() {
    timeEndPeriod(1);
}

} // namespace platform
