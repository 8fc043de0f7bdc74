// The process around the game: the window, the one Game, the message loop, the end.
#pragma once

#include <functional>

#include "platform/window.h"

class Game;

// The game's window: its class name and its title.
inline constexpr char WindowName[] = "Gustwerk";

// Constructs the one Game for the window, which theGame then points to, without setting it up.
Game& makeGame(platform::Window* window);

// Makes the game and sets it up; false when set-up failed (the error box has been shown and
// the window is gone).
bool startGame(platform::Window* window);

// Handles every waiting event; false once the quit event has been taken.
bool handlePendingMessages();

// One turn of the message loop: every waiting event, then one frame if the game is active.
// False once the quit event has been taken.
bool runLoopTurn();

// Ends the game made last; theGame points nowhere after.
void endGame();

// What a process entry may add to the run.
struct RunHooks {
    // Before each turn of the message loop.
    std::function<void(platform::Window*)> beforeTurn;
    // While minimised the loop sleeps until an event comes, unless told otherwise.
    bool sleepWhileMinimised = true;
    // The game as it ended, before it is deleted (only when set-up succeeded).
    std::function<void(const Game&)> atEnd;
};

// The whole run: window, game, message loop; the process's exit status.
int runGame(const RunHooks& hooks = {});
