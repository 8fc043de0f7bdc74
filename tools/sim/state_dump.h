// The game's state after a run, as JSON, with the fingerprints of the last frame drawn and of
// the data the game was run on.
#pragma once

#include <cstdint>
#include <string>

class Game;

// FNV-1a 64 of the back buffer's bytes, as 16 hexadecimal digits.
std::string frameHash(const Game& game);

// FNV-1a 64 of the game folder's data (the working directory's Terrain.dat and every file
// under Data/), as 16 hexadecimal digits: the files in byte order of their paths, each as its
// path with '/' between folders ("Data/Cow.wav"), a zero byte, then its bytes.
std::string dataHash();

std::string dumpState(const Game& game, int frame, bool exited);
