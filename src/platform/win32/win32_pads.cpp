// Game controllers on Windows: XInput from xinput9_1_0.dll, which every Windows since Vista
// has, loaded when the window is made. Its four slots are read once a turn; a slot that has
// gone quiet lets go of what its pad held, and the empty slots are asked once a second only,
// since asking an empty slot is slow.
#include "platform/live_input.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>
#include <xinput.h>

namespace platform::win32 {

namespace {

constexpr DWORD EmptySlotsEvery = 1000; // milliseconds

struct ButtonBit {
    WORD button;
    unsigned bit;
};
constexpr ButtonBit Buttons[] = {
    {XINPUT_GAMEPAD_A, PadSouth},
    {XINPUT_GAMEPAD_B, PadEast},
    {XINPUT_GAMEPAD_X, PadWest},
    {XINPUT_GAMEPAD_Y, PadNorth},
    {XINPUT_GAMEPAD_LEFT_SHOULDER, PadLeftShoulder},
    {XINPUT_GAMEPAD_RIGHT_SHOULDER, PadRightShoulder},
    {XINPUT_GAMEPAD_BACK, PadBack},
    {XINPUT_GAMEPAD_START, PadStart},
    {XINPUT_GAMEPAD_DPAD_UP, PadUp},
    {XINPUT_GAMEPAD_DPAD_DOWN, PadDown},
    {XINPUT_GAMEPAD_DPAD_LEFT, PadLeft},
    {XINPUT_GAMEPAD_DPAD_RIGHT, PadRight},
};

// XInput's thumb sticks count up the screen; the game's y grows downward.
float axis(SHORT value, bool upward) {
    const float unit = value < 0 ? value / 32768.0f : value / 32767.0f;
    return upward ? -unit : unit;
}

PadState padState(const XINPUT_GAMEPAD& pad) {
    PadState state;
    state.stickX = axis(pad.sThumbLX, false);
    state.stickY = axis(pad.sThumbLY, true);
    for (const ButtonBit& button : Buttons) {
        if ((pad.wButtons & button.button) != 0) {
            state.buttons |= button.bit;
        }
    }
    return state;
}

} // namespace

void startPads() {
    auto& s = state();
    if (s.readPad != nullptr || s.xinput != nullptr) {
        return;
    }
    s.xinput = LoadLibraryA("xinput9_1_0.dll");
    if (s.xinput != nullptr) {
        s.readPad = reinterpret_cast<State::PadReader>(
            reinterpret_cast<void*>(GetProcAddress(s.xinput, "XInputGetState")));
    }
}

void readPads() {
    auto& s = state();
    if (s.readPad == nullptr) {
        return;
    }
    const DWORD now = GetTickCount();
    const bool askEmpty = now - s.lastEmptySlotsLook >= EmptySlotsEvery;
    if (askEmpty) {
        s.lastEmptySlotsLook = now;
    }
    for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot) {
        if (!s.padConnected[slot] && !askEmpty) {
            continue;
        }
        XINPUT_STATE pad{};
        const bool connected = s.readPad(slot, &pad) == ERROR_SUCCESS;
        if (connected) {
            liveInput().padState(static_cast<int>(slot), padState(pad.Gamepad));
        } else if (s.padConnected[slot]) {
            liveInput().padRemoved(static_cast<int>(slot));
        }
        s.padConnected[slot] = connected;
    }
}

} // namespace platform::win32
