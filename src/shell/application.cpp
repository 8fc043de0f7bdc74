// The run of the program: one window, one Game, and a loop that handles every waiting event
// before it runs the next frame, and runs frames only while the window is not minimised.
#include "shell/application.h"

#include <memory>

#include "platform/system.h"
#include "shell/frame_driver.h"
#include "shell/game.h"
#include "shell/window_proc.h"

namespace {
// The game of this run; theGame only looks at it.
std::unique_ptr<Game> runningGame;

// The map's view ends at this row; the control panel lies below it.
constexpr int PanelTop = 609;

// A finger on the map steers the whirlwind as the right button does; on the panel, and
// anywhere while the menu is up, it clicks as the left button does.
bool fingerSteersAt(platform::Point point) {
    return theGame != nullptr && !theGame->menuOpen && point.y < PanelTop;
}
} // namespace

Game& makeGame(platform::Window* window) {
    endGame();
    runningGame = std::make_unique<Game>(window);
    theGame = runningGame.get();
    return *runningGame;
}

bool startGame(platform::Window* window) {
    Game& game = makeGame(window);
    game.initialize();
    return game.setupComplete;
}

bool handlePendingMessages() {
    platform::Event event;
    while (platform::peekEvent(event)) {
        if (event.type == platform::EventType::Quit) {
            return false;
        }
        windowProc(event);
    }
    return true;
}

bool runLoopTurn() {
    if (!handlePendingMessages()) {
        return false;
    }
    if (theGame->active) {
        runFrame();
    }
    return true;
}

void endGame() {
    runningGame.reset();
    theGame = nullptr;
}

int runGame(const RunHooks& hooks) {
    platform::Window* window = platform::createWindow(WindowName);
    if (window == nullptr) {
        platform::errorBox("Kestravan - Error", "There is no screen to play on.");
        platform::shutdown();
        return 1;
    }
    platform::setTouchSteering(fingerSteersAt);
    const bool setUp = startGame(window);
    platform::showWindow(window);
    for (;;) {
        if (hooks.beforeTurn) {
            hooks.beforeTurn(window);
        }
        if (!runLoopTurn()) {
            break;
        }
        if (!theGame->active && hooks.sleepWhileMinimised) {
            // Minimised: nothing to draw until the player comes back.
            platform::waitForEvent();
        }
    }
    if (setUp && hooks.atEnd) {
        hooks.atEnd(*theGame);
    }
    endGame();
    platform::shutdown();
    // A start that failed is no success, whatever the game reported before.
    return setUp ? 0 : 1;
}
