// What the contract test needs from each back end besides the platform layer itself: starting
// and stopping its machine, and doing what a player does at the keyboard, with the mouse and to
// the window. One small file for each back end carries these out.
#pragma once

namespace contract {

// The keys the contract names; NoCode is a key the game has no code for.
enum class Key { A, Z, Digit0, Digit9, Escape, Left, Up, Right, Down, NoCode };

// Readies the back end's machine afresh; false (with the reason) when it cannot run here.
bool startMachine(const char*& reason);

void pressKey(Key key, bool down);
// Puts the mouse at (x, y) of the game's window, which may lie outside the window.
void pointAt(int x, int y);
void setMinimised(bool minimised);
// The player closes the window (its close button, or the keys for it); false where the back
// end has no close of the player's for the game to see.
bool closeByPlayer();

} // namespace contract
