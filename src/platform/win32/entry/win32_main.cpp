// Kestravan on Windows: the process entry reads the command line over the settings stored
// beside the best score, hands the player's choice of screen, the program's instance and its
// show command to the back end, and runs the game. Alt+Enter's choice is stored for next time.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "launch/data_folder.h"
#include "launch/options.h"
#include "launch/stored_settings.h"
#include "platform/session.h"
#include "platform/store.h"
#include "platform/system.h"
#include "platform/win32/win32_state.h"
#include "replay/demo.h"
#include "replay/script_line.h"
#include "replay/state_dump.h"
#include "shell/application.h"
#include "shell/game.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace {

namespace fs = std::filesystem;

// Makes the game folder the working directory: the one named, else the working folder or the
// one beside the executable, whichever holds the game's data first. False, after a box that
// names what is missing and where it was looked for, when the data is not all there.
bool enterGameFolder(const std::string& named) {
    std::error_code failure;
    std::vector<std::string> places = {named};
    if (named.empty()) {
        places = {fs::current_path(failure).string(), platform::executableFolder()};
    }
    std::string folder = chooseGameFolder(places);
    std::string where;
    for (const std::string& place : places) {
        where += "\n  " + place;
    }
    if (folder.empty()) {
        platform::errorBox("Kestravan - Error",
                           ("The game's data (Terrain.dat and the Data folder) is in none of:" +
                            where + "\n\n--data FOLDER names its folder.")
                               .c_str());
        return false;
    }
    fs::current_path(folder, failure);
    const std::vector<std::string> missing = missingGameFiles(".");
    if (failure || !missing.empty()) {
        std::string text = "The game cannot start: ";
        text += failure ? "the folder cannot be entered"
                        : "the file " + missing.front() +
                              (missing.size() > 1
                                   ? " (and " + std::to_string(missing.size() - 1) + " more)"
                                   : std::string()) +
                              " is missing";
        platform::errorBox("Kestravan - Error", (text + " in\n  " + folder).c_str());
        return false;
    }
    return true;
}

// A demo keeps its best score apart from the player's, starting from none, in a registry key
// of its own that goes with it, so that it plays back the same anywhere.
class DemoStore {
public:
    DemoStore()
        : key_(platform::defaultStoreFolder() + "\\Demo " + std::to_string(GetCurrentProcessId())) {
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
        platform::setStoreFolder(key_);
    }
    ~DemoStore() {
        platform::setStoreFolder("");
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    }
    DemoStore(const DemoStore&) = delete;
    DemoStore& operator=(const DemoStore&) = delete;

private:
    std::string key_;
};

// The game's run, with a demo's turns counted and, when recording, the game's last state
// written beside the demo.
int runWithDemo(const std::string& record) {
    const bool playing = replay::demo::mode() == replay::demo::Mode::Play;
    RunHooks hooks;
    hooks.beforeTurn = [playing, ending = false](platform::Window* window) mutable {
        replay::demo::beginTurn();
        if (playing && replay::demo::finished() && !ending) {
            platform::postClose(window); // the demo is over
            ending = true;
        }
    };
    hooks.sleepWhileMinimised = !playing; // a demo plays on by itself
    if (!record.empty()) {
        hooks.atEnd = [&record](const Game& game) {
            const std::string dump = record + ".json";
            if (!(std::ofstream(dump, std::ios::binary)
                  << dumpState(game, replay::demo::frame(), true))) {
                platform::debugLine(("Cannot write " + dump + "\n").c_str());
            }
        };
    }
    const int status = runGame(hooks);
    replay::demo::stop();
    return status;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
    Options options;
    std::string error;
    if (!parseCommandLine(__argc - 1, __argv + 1, options, error)) {
        platform::win32::tellPlayer("kestravan: " + error + "\nTry 'kestravan --help'.\n", true);
        return 2;
    }
    if (options.help || options.version) {
        platform::win32::tellPlayer(options.help ? Usage : "Kestravan " KESTRAVAN_VERSION "\n",
                                    false);
        return 0;
    }
    // Files named on the command line are taken from where the player stands.
    std::error_code ignored;
    const std::string record =
        options.record.empty() ? "" : fs::absolute(options.record, ignored).string();
    std::vector<replay::ScriptLine> demo;
    if (!options.play.empty() && !replay::readScriptFile(options.play, "demo", demo, error)) {
        platform::win32::tellPlayer("kestravan: " + error + "\n", true);
        return 2;
    }
    if (!enterGameFolder(options.data)) {
        platform::shutdown();
        return 1;
    }
    std::vector<std::string> complaints;
    Settings saved = loadStoredSettings(complaints);
    for (const std::string& complaint : complaints) {
        platform::debugLine((complaint + "\n").c_str());
    }
    const Settings settings = withOptions(saved, options);
    platform::chooseSound(settings.sound, settings.volume);
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
    std::unique_ptr<DemoStore> demoStore;
    if (!record.empty()) {
        if (!replay::demo::startRecording(record, error)) {
            platform::win32::tellPlayer("kestravan: " + error + "\n", true);
            return 2;
        }
        demoStore = std::make_unique<DemoStore>();
    } else if (!options.play.empty()) {
        replay::demo::startPlaying(std::move(demo));
        demoStore = std::make_unique<DemoStore>();
    }
    return runWithDemo(record);
}
