// A pad plays the real game on Windows: XInput's XInputGetState is replaced, at the back end's
// own seam, by a stand-in that reports a pad the test works.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "pad_play.h"
#include "platform/pad.h"
#include "platform/store.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>
#include <xinput.h>

namespace {

// The pad in slot 0, as XInput would report it.
struct FakePad {
    bool connected = false;
    XINPUT_STATE state{};
    WORD tapped = 0;    // held for one look only
    WORD lastShown = 0; // a tap shown in the last look: a new one waits a look, to be let go
};
FakePad fake;

DWORD WINAPI fakeGetState(DWORD slot, XINPUT_STATE* state) {
    if (slot != 0 || !fake.connected) {
        return ERROR_DEVICE_NOT_CONNECTED;
    }
    *state = fake.state;
    const WORD shown = fake.tapped & ~fake.lastShown;
    state->Gamepad.wButtons |= shown;
    fake.tapped &= ~shown;
    fake.lastShown = shown;
    ++fake.state.dwPacketNumber;
    return ERROR_SUCCESS;
}

WORD xinputButton(unsigned button) {
    const std::pair<unsigned, WORD> buttons[] = {
        {platform::PadSouth, XINPUT_GAMEPAD_A},
        {platform::PadEast, XINPUT_GAMEPAD_B},
        {platform::PadLeftShoulder, XINPUT_GAMEPAD_LEFT_SHOULDER},
        {platform::PadRightShoulder, XINPUT_GAMEPAD_RIGHT_SHOULDER},
        {platform::PadStart, XINPUT_GAMEPAD_START},
        {platform::PadUp, XINPUT_GAMEPAD_DPAD_UP},
        {platform::PadDown, XINPUT_GAMEPAD_DPAD_DOWN},
        {platform::PadLeft, XINPUT_GAMEPAD_DPAD_LEFT}};
    for (const auto& [pad, xinput] : buttons) {
        if (pad == button) {
            return xinput;
        }
    }
    return XINPUT_GAMEPAD_DPAD_RIGHT;
}

class StandInPad : public PadDriver {
public:
    void plug() override { fake = FakePad{true, {}, 0, 0}; }
    void unplug() override { fake.connected = false; }
    int padsHeard() const override {
        int heard = 0;
        for (const bool connected : platform::win32::state().padConnected) {
            heard += connected ? 1 : 0;
        }
        return heard;
    }
    void stick(float x, float y) override {
        fake.state.Gamepad.sThumbLX = static_cast<SHORT>(x * 32767);
        fake.state.Gamepad.sThumbLY = static_cast<SHORT>(-y * 32767); // XInput counts upward
    }
    void button(unsigned button, bool down) override {
        WORD& buttons = fake.state.Gamepad.wButtons;
        buttons = down ? buttons | xinputButton(button) : buttons & ~xinputButton(button);
    }
    void tap(unsigned button) override { fake.tapped |= xinputButton(button); }
    void clickAtOnce(int x, int y) override {
        HWND window = platform::win32::state().window;
        SetCursorPos(x, y);
        const LPARAM at = MAKELPARAM(x, y);
        PostMessageA(window, WM_MOUSEMOVE, 0, at);
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(window, WM_LBUTTONUP, 0, at);
    }
};

TEST(PadOnWindows, PlaysTheWholeGame) {
    const char* gameFolder = std::getenv("KESTRAVAN_GAME_DIR");
    ASSERT_NE(gameFolder, nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(gameFolder));
    platform::setStoreFolder("Software\\Brannoch\\Kestravan pad test");
    platform::win32::state().readPad = fakeGetState;
    StandInPad pad;
    EXPECT_EQ(playSteps(wholeGame(pad)), "");
}

} // namespace
