// The game's window on Windows: the "Gustwerk" class and its one window, a top-most pop-up
// over the 1024 x 768 screen, one over the whole desktop, or a resizable framed one; the message
// loop, and the window procedure that turns keyboard and mouse messages into the game's events.

#include <algorithm>

#include "platform/display_backend.h"
#include "platform/frame_placement.h"
#include "platform/input_queue.h"
#include "platform/win32/win32_screen.h"
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
        // Another window taking the focus pauses the game as a minimise does.
        if (win32::state().window != nullptr) {
            const bool away = LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam) != 0;
            win32::focusChanged(away);
            queue(EventType::Activate, 0, away);
        }
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+Enter: bit 29 is the Alt key, bit 30 a key already down (a repeat).
        if (wParam == VK_RETURN && (lParam & (1 << 29)) != 0) {
            if ((lParam & (1 << 30)) == 0) {
                win32::switchScreenMode();
            }
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_SYSCHAR:
        // No beep for Alt+Enter.
        return wParam == VK_RETURN ? 0 : DefWindowProcA(window, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // the frame and its bars cover the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (win32::state().mode != win32::ScreenMode::Exclusive) {
            win32::showLastFrame();
        }
        return 0;
    }
    case WM_SETCURSOR:
        // The game draws its own cursor; the system's is never shown over the window.
        SetCursor(nullptr);
        return TRUE;
    case WM_KEYDOWN:
        if (win32::testKey(wParam)) {
            return 0;
        }
        if (wParam == VK_F12 && (lParam & (1 << 30)) == 0) {
            win32::state().screenshotWanted = true; // and the game sees a key, as any other
        }
        [[fallthrough]];
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
    state.mode = win32::chosenMode(state.choice);
    state.window = CreateWindowExA(WS_EX_TOPMOST, title, title, WS_POPUP, 0, 0, ScreenWidth,
                                   ScreenHeight, nullptr, nullptr, state.instance, nullptr);
    if (state.window != nullptr) {
        win32::shapeWindow(state.mode);
    }
    return state.window != nullptr ? &theWindow : nullptr;
}

namespace win32 {

void shapeWindow(ScreenMode mode) {
    HWND window = state().window;
    if (window == nullptr) {
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const DWORD visible = GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE;
    DWORD style = WS_POPUP;
    DWORD extended = 0;
    RECT place = monitor.rcMonitor;
    if (mode == ScreenMode::Exclusive) {
        extended = WS_EX_TOPMOST;
        place = {0, 0, ScreenWidth, ScreenHeight};
    } else if (mode == ScreenMode::Window) {
        style = WS_OVERLAPPEDWINDOW;
        RECT frame{0, 0, ScreenWidth, ScreenHeight};
        AdjustWindowRectEx(&frame, style, FALSE, extended);
        const RECT& work = monitor.rcWork;
        const LONG width = std::min(frame.right - frame.left, work.right - work.left);
        const LONG height = std::min(frame.bottom - frame.top, work.bottom - work.top);
        const LONG left = work.left + (work.right - work.left - width) / 2;
        const LONG top = work.top + (work.bottom - work.top - height) / 2;
        place = {left, top, left + width, top + height};
    }
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style | visible));
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(extended));
    SetWindowPos(window, mode == ScreenMode::Exclusive ? HWND_TOPMOST : HWND_NOTOPMOST, place.left,
                 place.top, place.right - place.left, place.bottom - place.top,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE);
}

} // namespace win32

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
    // The game's own close waits behind every event already waiting; a demo does not keep it,
    // since the game posts it again when the demo plays.
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
    const auto& state = win32::state();
    if (state.window != nullptr && state.mode != win32::ScreenMode::Exclusive) {
        // The frame is scaled into the window: the game's point under the cursor.
        ScreenToClient(state.window, &cursor);
        return screenPoint(win32::clientPlacement(state.window, state.choice.integerScale),
                           static_cast<int>(cursor.x), static_cast<int>(cursor.y));
    }
    if (state.window != nullptr) {
        ScreenToClient(state.window, &cursor);
    }
    return clampToScreen(static_cast<int>(cursor.x), static_cast<int>(cursor.y));
}

} // namespace platform
