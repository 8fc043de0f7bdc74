// What the page may ask of the game while it runs (the game's state as the simulator writes it,
// for the page's tests; whether the round is over; the best score kept as the game keeps it).
// The game itself starts at the one front door, as on every back end.
#include <algorithm>
#include <string>

#include "platform/web/web_state.h"
#include "replay/state_dump.h"
#include "shell/best_score.h"
#include "shell/game.h"

extern "C" {

// The state after the last frame shown, as JSON; "null" before the game exists. Frames are
// counted as the simulator counts them: the splash, shown while the game is set up, is frame 0.
const char* kestravan_state() {
    static std::string json;
    // The data stays as the page loaded it: its hash is taken once.
    static const std::string data = dataHash();
    const auto& web = platform::web::state();
    const int frame = std::max(0, web.framesShown - 1);
    json =
        theGame != nullptr ? dumpState(*theGame, frame, web.runEnded, data) : std::string("null");
    return json.c_str();
}

// Keeps a best score through the game's own writer, as the end of a round does. The writer
// waits for the browser's storage: the page calls this before the game starts, asynchronously.
int kestravan_keep_best_score(int score) {
    return writeBestScore(score) ? 1 : 0;
}

// 1 while a round has ended and the menu is not up: the page then offers to open it.
int kestravan_round_over() {
    return theGame != nullptr && theGame->roundOver && !theGame->menuOpen &&
                   !platform::web::state().runEnded
               ? 1
               : 0;
}

} // extern "C"
