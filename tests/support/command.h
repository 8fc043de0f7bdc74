// Running another program of the build (the simulator, the data generator) through the
// system's command interpreter, on Linux and on Windows alike.
#pragma once

#include <string>

// Where output goes that nobody reads.
#ifdef _WIN32
inline constexpr const char* NullDevice = "NUL";
#else
inline constexpr const char* NullDevice = "/dev/null";
#endif

// The path or argument in double quotes, which both interpreters read as one word.
std::string quoted(const std::string& text);

// The program's exit status, or -1 when it did not end normally.
int runCommand(const std::string& command);
