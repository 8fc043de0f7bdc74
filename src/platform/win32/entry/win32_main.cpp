// Kestravan on Windows: the process entry hands the program's instance and show command to the
// back end and runs the game.
#include "platform/win32/win32_state.h"
#include "shell/application.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
    platform::win32::state().instance = instance;
    platform::win32::state().showCommand = showCommand;
    return runGame();
}
