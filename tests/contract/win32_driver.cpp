// The Windows back end before the contract: under Wine, keys and window changes arrive as the
// messages Windows gives the game's window, and the mouse is put with SetCursorPos.
#include <string>

#include "back_end_driver.h"
#include "platform/session.h"
#include "platform/win32/win32_state.h"

#include <windows.h>

namespace contract {

namespace {

HWND gameWindow() {
    return platform::win32::state().window;
}

// The store's key for the test, beside the game's own.
const char* const StoreKey = "Software\\Brannoch\\Kestravan Contract";

} // namespace

bool startMachine(const char*& /*reason*/) {
    // The test machine's Wine has no sound card, and the box that then offers to play without
    // sound would wait for a player: the sounds play on the silent output, which keeps each
    // sound's time as a real one does.
    platform::chooseSound(false, 100);
    return true;
}

void pressKey(Key key, bool down) {
    // A key Windows has no virtual-key code for arrives as 0xFF.
    constexpr WPARAM Codes[] = {'A',     'Z',   '0',      '9',     VK_ESCAPE,
                                VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, 0xFF};
    // Repeat count 1; a release also carries the previous-state and transition bits.
    const LPARAM flags = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    PostMessageA(gameWindow(), down ? WM_KEYDOWN : WM_KEYUP, Codes[static_cast<int>(key)], flags);
}

void pointAt(int x, int y) {
    // The system keeps the mouse on the desktop: a point beyond it lands on its edge.
    POINT point{x, y};
    ClientToScreen(gameWindow(), &point);
    SetCursorPos(point.x, point.y);
}

void setMinimised(bool minimised) {
    // What Windows sends a window as it is minimised or brought back. Wine with no window
    // manager on its screen does not minimise a pop-up window at all.
    SendMessageA(gameWindow(), WM_ACTIVATE,
                 MAKEWPARAM(minimised ? WA_INACTIVE : WA_ACTIVE, minimised ? 1 : 0), 0);
}

bool closeByPlayer() {
    // Alt+F4, or the close command of the taskbar.
    PostMessageA(gameWindow(), WM_CLOSE, 0, 0);
    return true;
}

bool loseScreen(const char*& reason) {
    // Sending the window WM_ACTIVATEAPP away and back does make Wine's DirectDraw lose the
    // surfaces, but their Restore then answers DDERR_WRONGMODE: Wine gives the screen back only
    // to a window the window manager really brings to the front, which no message can do.
    reason = "under Wine a lost screen comes back only with a real switch of programs";
    return false;
}

std::string freshStore() {
    RegDeleteTreeA(HKEY_CURRENT_USER, StoreKey);
    return StoreKey;
}

std::string unusableStore() {
    // A key the registry keeps only in memory can hold no key that is kept on disk.
    const std::string inMemory = std::string(StoreKey) + "\\In Memory";
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, inMemory.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
    return inMemory + "\\Store";
}

} // namespace contract
