// Keys of the test build only. Ctrl+F11 leaves the game as Alt+Tab does: a window of its own
// takes the focus, the exclusive screen loses its mode and its surfaces, and 1.5 seconds
// later the game's window is brought back to the front. A test watches the pause and the
// return, which no test tool can cause reliably under Wine.
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::win32 {

namespace {

constexpr UINT AwayMilliseconds = 1500;
constexpr char ElsewhereClass[] = "Kestravan test: elsewhere";
HWND elsewhere = nullptr;

void CALLBACK comeBack(HWND window, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    KillTimer(window, timer);
    if (elsewhere != nullptr) {
        DestroyWindow(elsewhere);
        elsewhere = nullptr;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
    SetActiveWindow(window);
    logLine("Test: back in the game\n");
}

void goElsewhere() {
    HWND game = state().window;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = state().instance;
    windowClass.lpszClassName = ElsewhereClass;
    RegisterClassA(&windowClass);
    logLine("Test: leaving the game\n");
    loseExclusive();
    elsewhere =
        CreateWindowExA(WS_EX_TOPMOST, ElsewhereClass, ElsewhereClass, WS_POPUP | WS_VISIBLE, 0, 0,
                        64, 64, nullptr, nullptr, state().instance, nullptr);
    if (elsewhere != nullptr) {
        SetForegroundWindow(elsewhere);
        SetActiveWindow(elsewhere);
    }
    if (!state().away) {
        // Nothing took the focus: the game steps aside itself.
        ShowWindow(game, SW_MINIMIZE);
    }
    SetTimer(game, 1, AwayMilliseconds, comeBack);
}

} // namespace

bool testKey(WPARAM key) {
    if (key != VK_F11 || (GetKeyState(VK_CONTROL) & 0x8000) == 0 || elsewhere != nullptr) {
        return false;
    }
    goElsewhere();
    return true;
}

} // namespace platform::win32
