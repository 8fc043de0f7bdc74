// The game's process entry on a real screen: the command line, the settings file, the game
// folder, demos, and the run of the game itself.
#pragma once

// The whole run; the process's exit status (0 played, 1 could not start, 2 bad command line).
int launch(int count, const char* const* arguments);
