// What the contract test needs from each back end besides the platform layer itself: starting
// and stopping its machine, doing what a player does at the keyboard, with the mouse and to the
// window, what the system does to the screen, and places for the store. One small file for each
// back end carries these out.
#pragma once

#include <string>

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

// The system takes the screen's surfaces away, as when another program takes over the screen;
// false with the reason where the back end's screen is never lost.
bool loseScreen(const char*& reason);

// A place of the store (for platform::setStoreFolder) that holds no values; each call empties
// it again. And a place where the store cannot be made at all.
std::string freshStore();
std::string unusableStore();

} // namespace contract
