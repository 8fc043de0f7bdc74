// A pad plays the real game on SDL: a virtual controller, made inside SDL, steers, picks a
// kind, freezes the speed, throws for points, works the menu and quits, and is unplugged and
// plugged again on the way; a demo recorded while it plays replays in the simulator.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/demo.h"
#include "platform/sdl/sdl_state.h"
#include "platform/session.h"
#include "platform/store.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sim/state_dump.h"
#include "support/command.h"
#include "support/temporary_folder.h"

namespace {

// A controller made inside SDL, in the standard layout.
class VirtualPad {
public:
    void plug() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        device_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = SDL_JoystickOpen(device_);
    }
    void unplug() {
        SDL_JoystickClose(joystick_);
        SDL_JoystickDetachVirtual(device_);
        joystick_ = nullptr;
    }
    void stick(float x, float y) {
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, toAxis(x));
        SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, toAxis(y));
    }
    void button(SDL_GameControllerButton which, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, which, down ? 1 : 0);
    }
    // Down and up before the game looks: a press shorter than a frame.
    void tap(SDL_GameControllerButton which) {
        button(which, true);
        SDL_PumpEvents();
        button(which, false);
    }

private:
    static Sint16 toAxis(float value) { return static_cast<Sint16>(value * 32767); }
    int device_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

// One thing the player does, and what the game shows for it within a few frames.
struct Step {
    std::string what;
    std::function<void(Game&)> act;
    std::function<bool(const Game&)> done = [](const Game&) { return true; };
};

constexpr int MostTurnsAStepTakes = 300;

class PadOnSdl : public ::testing::Test {
protected:
    PadOnSdl() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform::setStoreFolder(store_.path());
        platform::chooseScreen({false, false});
        platform::chooseSound(false, 100);
    }

    // Plays the steps through the real game's loop; the name of the first that did not come
    // about, or empty. The last step is to end the game.
    std::string play(const std::vector<Step>& steps, bool recording = false) {
        std::size_t index = 0;
        bool acted = false;
        int waited = 0;
        std::string failed;
        RunHooks hooks;
        hooks.beforeTurn = [&](platform::Window* window) {
            if (recording) {
                platform::demo::beginTurn();
            }
            if (theGame == nullptr || !failed.empty()) {
                return;
            }
            Game& game = *theGame;
            if (acted && index + 1 < steps.size() && steps[index].done(game)) {
                ++index;
                acted = false;
            }
            if (!acted) {
                steps[index].act(game);
                acted = true;
                waited = 0;
            } else if (++waited > MostTurnsAStepTakes) {
                failed = steps[index].what;
                platform::postClose(window);
            }
        };
        hooks.atEnd = [&](const Game& game) {
            if (recording) {
                endState_ = dumpState(game, platform::demo::frame(), true);
            }
        };
        EXPECT_EQ(runGame(hooks), 0);
        if (failed.empty() && index + 1 != steps.size()) {
            failed = "the game ended early, at: " + steps[index].what;
        }
        return failed;
    }

    // The whirlwind's moves, one frame at a time.
    std::function<bool(const Game&)> movesBy(int Game::*axis, int sign, bool fast) {
        return [axis, sign, fast, last = -1](const Game& game) mutable {
            const int move = (game.*axis - last) * sign;
            last = game.*axis;
            const int step = game.whirlwindStep + (fast ? game.whirlwindStep / 2 : 0);
            return game.rightButtonDown && !game.showCursor && move == step;
        };
    }

    TemporaryFolder store_;
    WorkingDirectory directory_{std::getenv("KESTRAVAN_GAME_DIR")};
    VirtualPad pad_;
    std::string endState_;
};

using Button = SDL_GameControllerButton;

Step press(const std::string& what, Button button, std::function<bool(const Game&)> done,
           VirtualPad& pad) {
    return {what, [&pad, button](Game&) { pad.button(button, true); }, std::move(done)};
}
Step release(Button button, VirtualPad& pad) {
    return {"let go", [&pad, button](Game&) { pad.button(button, false); },
            [](const Game& game) { return !game.leftButtonDown; }};
}

// A press and release of the left mouse button that arrive together, as a tap on a touchpad.
void clickAtOnce() {
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
    }
}

bool pluggedIn(const Game&) {
    return platform::sdl::state().pads.size() == 1;
}

TEST_F(PadOnSdl, PlaysTheWholeGame) {
    VirtualPad& pad = pad_;
    const int Cow = kindIndex(ActorKind::Cow);
    double frozen = -1;
    const std::vector<Step> steps = {
        {"the pad is plugged in", [&](Game&) { pad.plug(); }, pluggedIn},
        {"a full push right steers fast", [&](Game&) { pad.stick(1, 0); },
         movesBy(&Game::whirlwindX, +1, true)},
        {"a small push right steers slowly", [&](Game&) { pad.stick(0.5f, 0); },
         movesBy(&Game::whirlwindX, +1, false)},
        {"the stick let go stops", [&](Game&) { pad.stick(0, 0); },
         [](const Game& game) { return !game.rightButtonDown; }},
        press(
            "the D-pad is the arrow keys", SDL_CONTROLLER_BUTTON_DPAD_LEFT,
            [](const Game& game) { return game.keyDirX == -1; }, pad),
        {"letting go of the D-pad stops",
         [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false); },
         [](const Game& game) { return game.keyDirX == 0; }},
        {"the pad is unplugged", [&](Game&) { pad.unplug(); },
         [](const Game&) { return platform::sdl::state().pads.empty(); }},
        {"the pad is plugged in again", [&](Game&) { pad.plug(); }, pluggedIn},
        {"the pad plugged in again steers up", [&](Game&) { pad.stick(0, -1); },
         movesBy(&Game::whirlwindY, -1, true)},
        {"the stick let go again stops", [&](Game&) { pad.stick(0, 0); },
         [](const Game& game) { return !game.rightButtonDown; }},
        press(
            "the right shoulder picks the next kind", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
            [](const Game& game) { return game.selectedKind == ActorKind::CowBoy; }, pad),
        release(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, pad),
        {"a tap of the left shoulder picks the one before",
         [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_LEFTSHOULDER); },
         [](const Game& game) { return game.selectedKind == ActorKind::Cow; }},
        {"south holds the speed button",
         [&](Game& game) {
             // A cow caught, and a throw from the start that lands 44 pixels from the target's
             // centre.
             game.caught = {0, 0, 1, 0};
             game.whirlwindX = 6400;
             game.whirlwindY = 640;
             game.launchPower = 30;
             pad.button(SDL_CONTROLLER_BUTTON_A, true);
         },
         [&frozen](const Game& game) {
             frozen = game.launchPower;
             return game.speedButtonDown;
         }},
        {"letting go of south freezes the speed",
         [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_A, false); },
         [&frozen](const Game& game) { return game.speedLatched && game.launchPower == frozen; }},
        press(
            "east holds the direction button", SDL_CONTROLLER_BUTTON_B,
            [](const Game& game) { return game.directionButtonDown; }, pad),
        {"letting go of east throws",
         [&](Game& game) {
             game.launchAngle = 0;
             pad.button(SDL_CONTROLLER_BUTTON_B, false);
         },
         [Cow](const Game& game) {
             return game.flyingObjects != nullptr && game.caught[Cow] == 0;
         }},
        {"the throw scores", [](Game&) {}, [](const Game& game) { return game.score > 0; }},
        {"a mouse click delivered at once still counts",
         [](Game&) {
             SDL_WarpMouseInWindow(platform::sdl::state().window.get(), 973, 666);
             clickAtOnce();
         },
         [](const Game& game) { return game.selectedKind == ActorKind::Indian; }},
        press(
            "Start opens the menu", SDL_CONTROLLER_BUTTON_START,
            [](const Game& game) { return game.menuOpen; }, pad),
        {"let go", [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_START, false); }},
        {"a face button presses resume", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_A); },
         [](const Game& game) { return !game.menuOpen && game.score > 0; }},
        {"Start opens the menu again", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); },
         [](const Game& game) { return game.menuOpen; }},
        {"up chooses a new game", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_DPAD_UP); },
         [](const Game& game) { return game.menuChoice == 1; }},
        {"a face button starts it", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_B); },
         [](const Game& game) { return !game.menuOpen && game.score == 0; }},
        {"Start opens the menu once more", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); },
         [](const Game& game) { return game.menuOpen; }},
        {"Start again quits", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); }},
    };
    EXPECT_EQ(play(steps), "");
}

// Turns of the game with the pad held as it is.
Step hold(const std::string& what, int turns, std::function<void(Game&)> act) {
    return {what, std::move(act),
            [turns, count = 0](const Game&) mutable { return ++count > turns; }};
}

TEST_F(PadOnSdl, ADemoOfThePadReplaysInTheSimulator) {
    TemporaryFolder demoFolder;
    const std::string demo = demoFolder.file("pad.demo");
    std::string error;
    ASSERT_TRUE(platform::demo::startRecording(demo, error)) << error;
    VirtualPad& pad = pad_;
    const std::vector<Step> steps = {
        {"the pad is plugged in", [&](Game&) { pad.plug(); }, pluggedIn},
        hold("steering", 40, [&](Game&) { pad.stick(0.8f, 0.6f); }),
        hold("the stick let go", 2, [&](Game&) { pad.stick(0, 0); }),
        hold("the D-pad", 10, [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true); }),
        hold("shoulder", 2,
             [&](Game&) {
                 pad.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
                 pad.tap(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
             }),
        hold("speed", 3, [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_A, true); }),
        hold("speed let go", 3, [&](Game&) { pad.button(SDL_CONTROLLER_BUTTON_A, false); }),
        hold("direction", 3, [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_B); }),
        hold("menu", 3, [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); }),
        hold("resume", 3, [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_A); }),
        hold("menu again", 3, [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); }),
        {"quit", [&](Game&) { pad.tap(SDL_CONTROLLER_BUTTON_START); }},
    };
    EXPECT_EQ(play(steps, true), "");
    platform::demo::stop();
    ASSERT_NE(endState_, "");
    const std::string replayed = demoFolder.file("replayed.json");
    ASSERT_EQ(runCommand(quoted(KESTRAVAN_SIM) + " --data " +
                         quoted(std::getenv("KESTRAVAN_GAME_DIR")) + " --script " + quoted(demo) +
                         " --dump " + quoted(replayed)),
              0);
    std::ifstream in(replayed);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), endState_);
}

} // namespace
