// The game on a web page: the run itself, and what the page may ask of it (the game's state
// as the simulator writes it, for the page's tests; whether the round is over; the best score
// kept as the game keeps it). It also tells the page's fingers what they touch.
#include <algorithm>
#include <emscripten.h>
#include <string>
#include <sys/stat.h>

#include "platform/file_path.h"
#include "platform/web/web_state.h"
#include "replay/state_dump.h"
#include "shell/application.h"
#include "shell/best_score.h"
#include "shell/game.h"
#include "shell/game_files.h"

namespace {

bool exited = false;

// The map's view ends at this row; the control panel lies below it.
constexpr int PanelTop = 609;

// A finger on the map steers the whirlwind as the right button does; on the panel, and
// anywhere while the menu is up, it is the left button.
platform::web::TouchButton touchButtonAt(platform::Point point) {
    const bool steering = theGame != nullptr && !theGame->menuOpen && point.y < PanelTop;
    return steering ? platform::web::TouchButton::Right : platform::web::TouchButton::Left;
}

// After a failed start, the first of the game's files that is missing or empty; empty when
// every file is there.
std::string missingGameFile() {
    for (const std::string& name : gameFiles()) {
        struct stat info {};
        if (stat(platform::nativePath(name.c_str()).c_str(), &info) != 0 || info.st_size == 0) {
            return platform::nativePath(name.c_str());
        }
    }
    return {};
}

} // namespace

extern "C" {

// The state after the last frame shown, as JSON; "null" before the game exists. Frames are
// counted as the simulator counts them: the splash, shown while the game is set up, is frame 0.
EMSCRIPTEN_KEEPALIVE const char* kestravan_state() {
    static std::string json;
    // The data stays as the page loaded it: its hash is taken once.
    static const std::string data = dataHash();
    const int frame = std::max(0, platform::web::state().framesShown - 1);
    json = theGame != nullptr ? dumpState(*theGame, frame, exited, data) : std::string("null");
    return json.c_str();
}

// Keeps a best score through the game's own writer, as the end of a round does. The writer
// waits for the browser's storage: the page calls this before the game starts, asynchronously.
EMSCRIPTEN_KEEPALIVE int kestravan_keep_best_score(int score) {
    return writeBestScore(score) ? 1 : 0;
}

// 1 while a round has ended and the menu is not up: the page then offers to open it.
EMSCRIPTEN_KEEPALIVE int kestravan_round_over() {
    return theGame != nullptr && theGame->roundOver && !theGame->menuOpen && !exited ? 1 : 0;
}

} // extern "C"

int main() {
    platform::web::state().touchButtonAt = touchButtonAt;
    const int status = runGame();
    exited = true;
    const std::string missing = status != 0 ? missingGameFile() : std::string();
    if (!missing.empty()) {
        EM_ASM(
            {
                if (Module["onSetupFailure"]) {
                    Module["onSetupFailure"](UTF8ToString($0));
                }
            },
            missing.c_str());
    }
    EM_ASM(
        {
            if (Module["onGameEnd"]) {
                Module["onGameEnd"]($0);
            }
        },
        status);
    return status;
}
