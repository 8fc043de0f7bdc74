// The game's state after a run, as JSON, with the fingerprints of the last frame drawn and of
// the data the game was run on.
#pragma once

#include <cstdint>
#include <string>

class Game;

// FNV-1a 64 of the back buffer's bytes, as 16 hexadecimal digits.
std::string frameHash(const Game& game);

// FNV-1a 64 of the game folder's data, the files the game reads from the working directory,
// as 16 hexadecimal digits: the files in the order gameFiles() lists them, each as its path
// with '/' between folders ("Data/Cow.wav"), a zero byte, then its bytes; a missing file adds
// nothing.
std::string dataHash();

std::string dumpState(const Game& game, int frame, bool exited);
// The same with the data's hash already known, for callers that ask for the state often.
std::string dumpState(const Game& game, int frame, bool exited, const std::string& dataHashText);
