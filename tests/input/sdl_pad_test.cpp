// A pad plays the real game on SDL: a virtual controller made inside SDL, on SDL's dummy
// screen; and a demo recorded while it plays replays in the simulator.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "pad_play.h"
#include "platform/pad.h"
#include "platform/sdl/sdl_state.h"
#include "platform/session.h"
#include "platform/store.h"
#include "replay/demo.h"
#include "support/command.h"
#include "support/temporary_folder.h"

namespace {

// A controller made inside SDL, in the standard layout.
class VirtualPad : public PadDriver {
public:
    void plug() override {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        device_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = SDL_JoystickOpen(device_);
    }
    void unplug() override {
        SDL_JoystickClose(joystick_);
        SDL_JoystickDetachVirtual(device_);
        joystick_ = nullptr;
    }
    int padsHeard() const override { return static_cast<int>(platform::sdl::state().pads.size()); }
    void stick(float x, float y) override {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, toAxis(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, toAxis(y));
    }
    void button(unsigned button, bool down) override {
        SDL_JoystickSetVirtualButton(joystick_, sdlButton(button), down ? 1 : 0);
    }
    void tap(unsigned button) override {
        this->button(button, true);
        SDL_PumpEvents();
        this->button(button, false);
    }
    void clickAtOnce(int x, int y) override {
        SDL_WarpMouseInWindow(platform::sdl::state().window.get(), x, y);
        for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event event{};
            event.type = type;
            event.button.button = SDL_BUTTON_LEFT;
            event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            SDL_PushEvent(&event);
        }
    }

private:
    static Sint16 toAxis(float value) { return static_cast<Sint16>(value * 32767); }
    static int sdlButton(unsigned button) {
        const std::pair<unsigned, int> buttons[] = {
            {platform::PadSouth, SDL_CONTROLLER_BUTTON_A},
            {platform::PadEast, SDL_CONTROLLER_BUTTON_B},
            {platform::PadLeftShoulder, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
            {platform::PadRightShoulder, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
            {platform::PadStart, SDL_CONTROLLER_BUTTON_START},
            {platform::PadUp, SDL_CONTROLLER_BUTTON_DPAD_UP},
            {platform::PadDown, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
            {platform::PadLeft, SDL_CONTROLLER_BUTTON_DPAD_LEFT}};
        for (const auto& [pad, sdl] : buttons) {
            if (pad == button) {
                return sdl;
            }
        }
        return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    }
    int device_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

class PadOnSdl : public ::testing::Test {
protected:
    PadOnSdl() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform::setStoreFolder(store_.path());
        platform::chooseScreen({false, false});
        platform::chooseSound(false, 100);
    }

    TemporaryFolder store_;
    WorkingDirectory directory_{std::getenv("KESTRAVAN_GAME_DIR")};
    VirtualPad pad_;
};

TEST_F(PadOnSdl, PlaysTheWholeGame) {
    EXPECT_EQ(playSteps(wholeGame(pad_)), "");
}

TEST_F(PadOnSdl, ADemoOfThePadReplaysInTheSimulator) {
    TemporaryFolder demoFolder;
    const std::string demo = demoFolder.file("pad.demo");
    std::string error;
    ASSERT_TRUE(replay::demo::startRecording(demo, error)) << error;
    std::string endState;
    EXPECT_EQ(playSteps(padOnlyGame(pad_), &endState), "");
    replay::demo::stop();
    ASSERT_NE(endState, "");
    const std::string replayed = demoFolder.file("replayed.json");
    ASSERT_EQ(runCommand(quoted(KESTRAVAN_SIM) + " --data " +
                         quoted(std::getenv("KESTRAVAN_GAME_DIR")) + " --script " + quoted(demo) +
                         " --dump " + quoted(replayed)),
              0);
    EXPECT_EQ(demoFolder.read("replayed.json"), endState);
}

} // namespace
