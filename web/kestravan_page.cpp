// The game on a web page: the run itself, and what the page may ask of it (the game's state
// as the simulator writes it, for the page's tests; the best score kept as the game keeps it).
#include <algorithm>
#include <emscripten.h>
#include <string>

#include "platform/web/web_state.h"
#include "shell/application.h"
#include "shell/best_score.h"
#include "shell/game.h"
#include "replay/state_dump.h"

namespace {

bool exited = false;

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

} // extern "C"

int main() {
    const int status = runGame();
    exited = true;
    EM_ASM(
        {
            if (Module["onGameEnd"]) {
                Module["onGameEnd"]($0);
            }
        },
        status);
    return status;
}
