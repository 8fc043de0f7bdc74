// Kestravan on Windows: the process entry reads the command line, hands the player's choice
// of screen, the program's instance and its show command to the back end, and runs the game.
#include <cstdlib>
#include <string>

#include "launch/options.h"
#include "platform/session.h"
#include "platform/system.h"
#include "platform/win32/win32_state.h"
#include "shell/application.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
    Options options;
    std::string error;
    if (!parseCommandLine(__argc - 1, __argv + 1, options, error)) {
        platform::errorBox("Kestravan - Error", (error + "\n\n" + Usage).c_str());
        return 2;
    }
    if (options.help) {
        MessageBoxA(nullptr, Usage, "Kestravan", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    const Settings settings = withOptions(Settings{}, options);
    platform::chooseScreen(
        {settings.fullscreen, settings.scale == Scale::Integer, settings.exclusive});
    platform::win32::state().instance = instance;
    platform::win32::state().showCommand = showCommand;
    return runGame();
}
