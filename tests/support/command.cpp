#include "support/command.h"

#include <cstdlib>
#ifndef _WIN32
#include <sys/wait.h>
#endif

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

int runCommand(const std::string& command) {
#ifdef _WIN32
    // The interpreter drops the first and the last quote of a line that starts with one, so
    // the whole line goes in one more pair; it hands back the program's own exit code.
    return std::system(('"' + command + '"').c_str());
#else
    const int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}
