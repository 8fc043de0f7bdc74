// Game controllers on SDL: its game-controller API with the mapping database SDL carries
// (SDL_GAMECONTROLLERCONFIG adds to it, and so does a gamecontrollerdb.txt in the game's
// folder), opened as they come and closed as they go; every change of theirs goes to the
// mapping as it comes.
#include <SDL.h>
#include <algorithm>

#include "platform/live_input.h"
#include "platform/sdl/sdl_state.h"

namespace platform::sdl {

namespace {

struct ButtonBit {
    SDL_GameControllerButton button;
    unsigned bit;
};
constexpr ButtonBit Buttons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadSouth},
    {SDL_CONTROLLER_BUTTON_B, PadEast},
    {SDL_CONTROLLER_BUTTON_X, PadWest},
    {SDL_CONTROLLER_BUTTON_Y, PadNorth},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PadLeftShoulder},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PadRightShoulder},
    {SDL_CONTROLLER_BUTTON_BACK, PadBack},
    {SDL_CONTROLLER_BUTTON_START, PadStart},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadRight},
};

unsigned bitOf(int button) {
    for (const ButtonBit& known : Buttons) {
        if (known.button == button) {
            return known.bit;
        }
    }
    return 0;
}

float axis(Sint16 value) {
    return std::max(-1.0f, static_cast<float>(value) / 32767.0f);
}

} // namespace

void startPads() {
    // The pad keeps working while another window has the focus, as the keyboard does not.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        SDL_Log("No game controllers: %s", SDL_GetError());
        return;
    }
    SDL_GameControllerAddMappingsFromFile("gamecontrollerdb.txt");
}

bool padEvent(const SDL_Event& event) {
    auto& pads = state().pads;
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
        if (controller != nullptr) {
            const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
            pads[id].controller.reset(controller);
        }
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED:
        if (pads.erase(event.cdevice.which) != 0) {
            liveInput().padRemoved(event.cdevice.which);
        }
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        // Each change is heard as it comes, so that a press shorter than a frame counts.
        const auto pad = pads.find(event.cbutton.which);
        if (pad != pads.end()) {
            PadState& now = pad->second.state;
            const unsigned bit = bitOf(event.cbutton.button);
            now.buttons =
                event.type == SDL_CONTROLLERBUTTONDOWN ? now.buttons | bit : now.buttons & ~bit;
            liveInput().padState(pad->first, now);
        }
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        const auto pad = pads.find(event.caxis.which);
        if (pad != pads.end()) {
            PadState& now = pad->second.state;
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                now.stickX = axis(event.caxis.value);
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                now.stickY = axis(event.caxis.value);
            }
            liveInput().padState(pad->first, now);
        }
        return true;
    }
    default:
        return false;
    }
}

void readPads() {
    // Once a turn as well: the mapping follows the game's menu between changes.
    for (const auto& [id, pad] : state().pads) {
        liveInput().padState(id, pad.state);
    }
}

void closePads() {
    for (const auto& [id, pad] : state().pads) {
        liveInput().padRemoved(id);
    }
    state().pads.clear();
}

} // namespace platform::sdl
