// The game's state after a run, as JSON, and the fingerprint of the last frame drawn.
#pragma once

#include <cstdint>
#include <string>

class Game;

// FNV-1a 64 of the back buffer's bytes, as 16 hexadecimal digits.
std::string frameHash(const Game& game);

std::string dumpState(const Game& game, int frame, bool exited);
