// The game's window on Windows: the "Gustwerk" class and its one top-most pop-up window over
// the 1024 x 768 screen, the message loop, and the window procedure that turns keyboard and
// mouse messages into the game's events.

#include "platform/display_backend.h"
#include "platform/input_queue.h"
#include "platform/win32/win32_state.h"
#include "platform/window.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <mmsystem.h>
#include <windows.h>

namespace platform {

struct Window {};

namespace win32 {

State& state() {
    static State theState;
    return theState;
}

} // namespace win32

namespace {

constexpr int IconResource = 101;

Window theWindow;

void queue(EventType type, int key = 0, bool minimized = false) {
    input::push({type, key, minimized});
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
        // A window being destroyed loses the activation too; the game has no more use for it.
        if (win32::state().window != nullptr) {
            queue(EventType::Activate, 0, HIWORD(wParam) != 0);
        }
        return 0;
    case WM_SETCURSOR:
        // The game draws its own cursor; the system's is never shown over the window.
        SetCursor(nullptr);
        return TRUE;
    case WM_KEYDOWN:
    case WM_KEYUP:
        // The virtual-key codes are the game's key codes.
        queue(message == WM_KEYDOWN ? EventType::KeyDown : EventType::KeyUp,
              static_cast<int>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        queue(EventType::MouseMove);
        return 0;
    case WM_LBUTTONDOWN:
        queue(EventType::LeftButtonDown);
        return 0;
    case WM_LBUTTONUP:
        queue(EventType::LeftButtonUp);
        return 0;
    case WM_RBUTTONDOWN:
        queue(EventType::RightButtonDown);
        return 0;
    case WM_RBUTTONUP:
        queue(EventType::RightButtonUp);
        return 0;
    case WM_CLOSE:
        // The game destroys the window itself when it is asked to close (Alt+F4, the menu).
        if (win32::state().closePosted) {
            win32::state().closePosted = false; // the game's own, which no demo records
            input::post(EventType::Close);
        } else {
            queue(EventType::Close);
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

Window* createWindow(const char* title) {
    auto& state = win32::state();
    if (state.instance == nullptr) {
        state.instance = GetModuleHandleA(nullptr);
    }
    // The frame pacing sleeps a millisecond at a time; the system's default timer would make
    // each such sleep last up to 16.
    timeBeginPeriod(1);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = state.instance;
    windowClass.hIcon = LoadIconA(state.instance, MAKEINTRESOURCEA(IconResource));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = title;
    RegisterClassExA(&windowClass);
    win32::startPads();
    input::useClickRule(true);
    state.window = CreateWindowExA(WS_EX_TOPMOST, title, title, WS_POPUP, 0, 0, ScreenWidth,
                                   ScreenHeight, nullptr, nullptr, state.instance, nullptr);
    return state.window != nullptr ? &theWindow : nullptr;
}

void showWindow(Window* /*window*/) {
    auto& state = win32::state();
    if (state.window != nullptr && !state.shown) {
        ShowWindow(state.window, state.showCommand);
        UpdateWindow(state.window);
        state.shown = true;
    }
}

void destroyWindow(Window* /*window*/) {
    auto& state = win32::state();
    if (state.window == nullptr) {
        return;
    }
    // The screen gets its own mode back before the window goes.
    backend::closeDisplay();
    HWND window = state.window;
    state.window = nullptr;
    DestroyWindow(window);
}

void postClose(Window* /*window*/) {
    if (win32::state().window != nullptr) {
        win32::state().closePosted = true;
        PostMessageA(win32::state().window, WM_CLOSE, 0, 0);
    }
}

void backend::pumpEvents() {
    win32::readPads();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT) {
            input::post(EventType::Quit);
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void waitForEvent() {
    if (!input::waiting()) {
        WaitMessage();
    }
}

Point backend::mouseCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (win32::state().window != nullptr) {
        ScreenToClient(win32::state().window, &cursor);
    }
    return clampToScreen(static_cast<int>(cursor.x), static_cast<int>(cursor.y));
}

} // namespace platform
