// Clocks, sleeping and the two ways the game speaks to the person at the machine:
// the debug line and the modal error box.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since some fixed moment, wrapping at 2^32.
std::uint32_t tickCount();

// The high-resolution counter; 0 means the machine has none.
std::int64_t performanceCounter();

void sleep(std::uint32_t milliseconds);

// One line for whoever watches the game's diagnostics (standard error).
void debugLine(const char* text);

// Words for the person who started the game, before it starts (the help, a bad command line):
// standard output, or standard error when they report an error; on Windows the console the
// game was started from, or a message box when there is none.
void tellPlayer(const char* text, bool error);

// A modal error message; also written to standard error.
void errorBox(const char* caption, const char* text);

// Gives the platform back at the very end of the run.
void shutdown();

} // namespace platform
