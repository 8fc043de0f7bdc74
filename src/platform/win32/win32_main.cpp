// Kestravan on Windows: the process entry reads the command line over the settings stored
// beside the best score, hands the player's choice of screen, the program's instance and its
// show command to the back end, and runs the game. Alt+Enter's choice is stored for next time.
#include <string>
#include <vector>

#include "launch/options.h"
#include "launch/stored_settings.h"
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
    std::vector<std::string> complaints;
    Settings saved = loadStoredSettings(complaints);
    for (const std::string& complaint : complaints) {
        platform::debugLine((complaint + "\n").c_str());
    }
    const Settings settings = withOptions(saved, options);
    platform::chooseScreen(
        {settings.fullscreen, settings.scale == Scale::Integer, settings.exclusive});
    platform::onScreenModeChange([&saved](bool fullscreen) {
        saved.fullscreen = fullscreen;
        if (!saveStoredSettings(saved)) {
            platform::debugLine("The settings could not be stored in the registry\n");
        }
    });
    platform::win32::state().instance = instance;
    platform::win32::state().showCommand = showCommand;
    return runGame();
}
