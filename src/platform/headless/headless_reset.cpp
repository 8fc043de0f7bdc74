// One state for the whole scripted machine, and the way back to a fresh one.
#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/input_queue.h"

namespace headless {

State& state() {
    static State theState;
    return theState;
}

void reset() {
    state() = State{};
    platform::input::clear();
    resetAudio();
}

} // namespace headless
