// Game controllers in the browser: the Gamepad API in its standard mapping, through
// emscripten's html5 calls. The pads are sampled once a turn (a sample must come before any
// other call); a pad that is gone, or no longer connected, lets go of what it held.
#include <emscripten/html5.h>
#include <string_view>

#include "platform/live_input.h"
#include "platform/web/web_state.h"

namespace platform::web {

namespace {

// The standard mapping's button numbers.
struct ButtonBit {
    int button;
    unsigned bit;
};
constexpr ButtonBit Buttons[] = {
    {0, PadSouth},        {1, PadEast},          {2, PadWest},  {3, PadNorth},
    {4, PadLeftShoulder}, {5, PadRightShoulder}, {8, PadBack},  {9, PadStart},
    {12, PadUp},          {13, PadDown},         {14, PadLeft}, {15, PadRight},
};

PadState padState(const EmscriptenGamepadEvent& pad) {
    PadState state;
    if (pad.numAxes >= 2) {
        state.stickX = static_cast<float>(pad.axis[0]);
        state.stickY = static_cast<float>(pad.axis[1]);
    }
    for (const ButtonBit& button : Buttons) {
        if (button.button < pad.numButtons && pad.digitalButton[button.button]) {
            state.buttons |= button.bit;
        }
    }
    return state;
}

} // namespace

void readPads() {
    auto& connected = state().padsConnected;
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) {
        return; // no Gamepad API in this browser
    }
    const int count = emscripten_get_num_gamepads();
    std::set<int> now;
    for (int index = 0; index < count && index < 64; ++index) {
        EmscriptenGamepadEvent pad{};
        // A pad without the standard mapping has buttons in an order of its own: not heard.
        if (emscripten_get_gamepad_status(index, &pad) != EMSCRIPTEN_RESULT_SUCCESS ||
            !pad.connected || std::string_view(pad.mapping) != "standard") {
            continue;
        }
        now.insert(index);
        liveInput().padState(index, padState(pad));
    }
    for (const int index : connected) {
        if (now.count(index) == 0) {
            liveInput().padRemoved(index);
        }
    }
    connected = now;
}

} // namespace platform::web
