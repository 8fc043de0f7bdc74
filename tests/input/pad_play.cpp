// The sequence a pad plays on every back end, and the loop that plays it.
#include "pad_play.h"

#include <cstdint>
#include <memory>

#include "platform/pad.h"
#include "platform/window.h"
#include "replay/demo.h"
#include "replay/state_dump.h"
#include "shell/application.h"

namespace {

constexpr int MostTurnsAStepTakes = 300;

using platform::PadButton;

// The whirlwind's moves, one frame at a time: slow is one step, fast one and a half.
std::function<bool(const Game&)> movesBy(std::int32_t Game::*axis, int sign, bool fast) {
    return [axis, sign, fast, last = -1](const Game& game) mutable {
        const int move = (game.*axis - last) * sign;
        last = game.*axis;
        const int step = game.whirlwindStep + (fast ? game.whirlwindStep / 2 : 0);
        return game.rightButtonDown && !game.showCursor && move == step;
    };
}

PadStep press(const std::string& what, PadDriver& pad, unsigned button,
              std::function<bool(const Game&)> done) {
    return {what, [&pad, button](Game&) { pad.button(button, true); }, std::move(done)};
}
PadStep release(PadDriver& pad, unsigned button) {
    return {"let go", [&pad, button](Game&) { pad.button(button, false); },
            [](const Game& game) { return !game.leftButtonDown; }};
}
PadStep tap(const std::string& what, PadDriver& pad, unsigned button,
            std::function<bool(const Game&)> done) {
    return {what, [&pad, button](Game&) { pad.tap(button); }, std::move(done)};
}
// Turns of the game with the pad held as it is.
PadStep hold(const std::string& what, int turns, std::function<void(Game&)> act) {
    return {what, std::move(act),
            [turns, count = 0](const Game&) mutable { return ++count > turns; }};
}

} // namespace

std::string playSteps(const std::vector<PadStep>& steps, std::string* endState) {
    std::size_t index = 0;
    bool acted = false;
    int waited = 0;
    std::string failed;
    RunHooks hooks;
    hooks.beforeTurn = [&](platform::Window* window) {
        if (endState != nullptr) {
            replay::demo::beginTurn();
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
        if (endState != nullptr) {
            *endState = dumpState(game, replay::demo::frame(), true);
        }
    };
    if (runGame(hooks) != 0) {
        return "the game did not start";
    }
    if (failed.empty() && index + 1 != steps.size()) {
        failed = "the game ended early, at: " + steps[index].what;
    }
    return failed;
}

std::vector<PadStep> wholeGame(PadDriver& pad) {
    const int Cow = kindIndex(ActorKind::Cow);
    auto frozen = std::make_shared<double>(-1);
    const auto pluggedIn = [&pad](const Game&) { return pad.padsHeard() == 1; };
    return {
        {"the pad is plugged in", [&pad](Game&) { pad.plug(); }, pluggedIn},
        {"a full push right steers fast", [&pad](Game&) { pad.stick(1, 0); },
         movesBy(&Game::whirlwindX, +1, true)},
        {"a small push right steers slowly", [&pad](Game&) { pad.stick(0.5f, 0); },
         movesBy(&Game::whirlwindX, +1, false)},
        {"the stick let go stops", [&pad](Game&) { pad.stick(0, 0); },
         [](const Game& game) { return !game.rightButtonDown; }},
        press("the D-pad is the arrow keys", pad, platform::PadLeft,
              [](const Game& game) { return game.keyDirX == -1; }),
        {"letting go of the D-pad stops", [&pad](Game&) { pad.button(platform::PadLeft, false); },
         [](const Game& game) { return game.keyDirX == 0; }},
        {"the pad is unplugged", [&pad](Game&) { pad.unplug(); },
         [&pad](const Game&) { return pad.padsHeard() == 0; }},
        {"the pad is plugged in again", [&pad](Game&) { pad.plug(); }, pluggedIn},
        {"the pad plugged in again steers up", [&pad](Game&) { pad.stick(0, -1); },
         movesBy(&Game::whirlwindY, -1, true)},
        {"the stick let go again stops", [&pad](Game&) { pad.stick(0, 0); },
         [](const Game& game) { return !game.rightButtonDown; }},
        press("the right shoulder picks the next kind", pad, platform::PadRightShoulder,
              [](const Game& game) { return game.selectedKind == ActorKind::CowBoy; }),
        release(pad, platform::PadRightShoulder),
        tap("a tap of the left shoulder picks the one before", pad, platform::PadLeftShoulder,
            [](const Game& game) { return game.selectedKind == ActorKind::Cow; }),
        {"south holds the speed button",
         [&pad](Game& game) {
             // A cow caught, and a throw from the start that lands 44 pixels from the target's
             // centre.
             game.caught = {0, 0, 1, 0};
             game.whirlwindX = 6400;
             game.whirlwindY = 640;
             game.launchPower = 30;
             pad.button(platform::PadSouth, true);
         },
         [frozen](const Game& game) {
             *frozen = game.launchPower;
             return game.speedButtonDown;
         }},
        {"letting go of south freezes the speed",
         [&pad](Game&) { pad.button(platform::PadSouth, false); },
         [frozen](const Game& game) { return game.speedLatched && game.launchPower == *frozen; }},
        press("east holds the direction button", pad, platform::PadEast,
              [](const Game& game) { return game.directionButtonDown; }),
        {"letting go of east throws",
         [&pad](Game& game) {
             game.launchAngle = 0;
             pad.button(platform::PadEast, false);
         },
         [Cow](const Game& game) { return !game.flyingObjects.empty() && game.caught[Cow] == 0; }},
        {"the throw scores", [](Game&) {}, [](const Game& game) { return game.score > 0; }},
        {"a mouse click delivered at once still counts",
         [&pad](Game&) { pad.clickAtOnce(973, 666); },
         [](const Game& game) { return game.selectedKind == ActorKind::Indian; }},
        press("Start opens the menu", pad, platform::PadStart,
              [](const Game& game) { return game.menuOpen; }),
        {"let go", [&pad](Game&) { pad.button(platform::PadStart, false); }},
        tap("a face button presses resume", pad, platform::PadSouth,
            [](const Game& game) { return !game.menuOpen && game.score > 0; }),
        tap("Start opens the menu again", pad, platform::PadStart,
            [](const Game& game) { return game.menuOpen; }),
        tap("up chooses a new game", pad, platform::PadUp,
            [](const Game& game) { return game.menuChoice == 1; }),
        tap("a face button starts it", pad, platform::PadEast,
            [](const Game& game) { return !game.menuOpen && game.score == 0; }),
        tap("Start opens the menu once more", pad, platform::PadStart,
            [](const Game& game) { return game.menuOpen; }),
        {"Start again quits", [&pad](Game&) { pad.tap(platform::PadStart); }},
    };
}

std::vector<PadStep> padOnlyGame(PadDriver& pad) {
    return {
        {"the pad is plugged in", [&pad](Game&) { pad.plug(); },
         [&pad](const Game&) { return pad.padsHeard() == 1; }},
        hold("steering", 40, [&pad](Game&) { pad.stick(0.8f, 0.6f); }),
        hold("the stick let go", 2, [&pad](Game&) { pad.stick(0, 0); }),
        hold("the D-pad", 10, [&pad](Game&) { pad.button(platform::PadDown, true); }),
        hold("shoulder", 2,
             [&pad](Game&) {
                 pad.button(platform::PadDown, false);
                 pad.tap(platform::PadLeftShoulder);
             }),
        hold("speed", 3, [&pad](Game&) { pad.button(platform::PadSouth, true); }),
        hold("speed let go", 3, [&pad](Game&) { pad.button(platform::PadSouth, false); }),
        hold("direction", 3, [&pad](Game&) { pad.tap(platform::PadEast); }),
        hold("menu", 3, [&pad](Game&) { pad.tap(platform::PadStart); }),
        hold("resume", 3, [&pad](Game&) { pad.tap(platform::PadSouth); }),
        hold("menu again", 3, [&pad](Game&) { pad.tap(platform::PadStart); }),
        {"quit", [&pad](Game&) { pad.tap(platform::PadStart); }},
    };
}
