// The run of the game on every back end. The command line is laid over the settings (a file,
// or values in the player's store), options the back end cannot offer are refused, the game
// folder is found and made the working directory, the back end is told the player's choices,
// and then the game runs its loop: every waiting event, then one frame.
#include "launch/launcher.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "launch/data_folder.h"
#include "launch/options.h"
#include "launch/settings.h"
#include "launch/stored_settings.h"
#include "platform/pad.h"
#include "platform/session.h"
#include "platform/store.h"
#include "platform/system.h"
#include "platform/user_folders.h"
#include "replay/demo.h"
#include "replay/state_dump.h"
#include "shell/application.h"
#include "shell/game.h"
#include "shell/game_files.h"

namespace fs = std::filesystem;

namespace {

using platform::Feature;

// A line for the game's diagnostics: standard error, or the log on Windows.
void complain(const std::string& text) {
    platform::debugLine(("kestravan: " + text + "\n").c_str());
}

// A refusal of the command line, for the one who typed it.
int refuse(const std::string& text) {
    platform::tellPlayer(("kestravan: " + text + "\nTry 'kestravan --help'.\n").c_str(), true);
    return 2;
}

// The box when no place holds all of the game's data: where the game looked and, in the first
// place that holds some of it, what is missing there.
std::string noGameFolderText(const std::vector<std::string>& places) {
    std::string text =
        "The game's data (Terrain.dat and Data/ with every picture and sound) is in none of:";
    for (const std::string& place : places) {
        text += "\n    " + place;
    }
    for (const std::string& place : places) {
        const std::vector<std::string> missing =
            place.empty() ? std::vector<std::string>() : missingGameFiles(place);
        if (!missing.empty() && missing.size() < gameFiles().size()) {
            text += "\nIn " + place + ", " + fs::path(missing.front()).make_preferred().string() +
                    " is missing" +
                    (missing.size() > 1 ? " (and " + std::to_string(missing.size() - 1) + " more)"
                                        : std::string()) +
                    ".";
            break;
        }
    }
    return text + "\nReinstall the game, or name the folder that holds it with --data DIR.";
}

// Makes the game folder the working directory: the one named, or the first place that holds
// all of the game's data. Files missing from a named folder are listed with the folder; the
// game then reports its own failure in its error box, naming the first of them.
bool enterGameFolder(const std::string& named) {
    std::error_code failure;
    std::string folder = named;
    if (folder.empty()) {
        const std::vector<std::string> places =
            gameFolderPlaces(fs::current_path(failure).string(), platform::executableFolder(),
                             KESTRAVAN_INSTALLED_DATA, KESTRAVAN_DATA_FROM_BIN);
        folder = chooseGameFolder(places);
        if (folder.empty()) {
            platform::errorBox("Kestravan - Error", noGameFolderText(places).c_str());
            return false;
        }
    }
    if (!folder.empty()) {
        fs::current_path(folder, failure);
        if (failure) {
            complain("cannot use the game folder " + folder + ": " + failure.message());
            return false;
        }
    }
    const std::string here = fs::current_path(failure).string();
    const std::vector<std::string> missing = missingGameFiles(".");
    constexpr std::size_t Named = 10; // a folder without any data need not fill the screen
    for (std::size_t i = 0; i < missing.size() && i < Named; ++i) {
        complain("the game's file " + missing[i] + " is missing from " + here);
    }
    if (missing.size() > Named) {
        complain("and " + std::to_string(missing.size() - Named) + " more files");
    }
    return true;
}

// A demo keeps its best score apart from the player's, starting from none, so that it plays
// back the same anywhere.
class DemoStore {
public:
    DemoStore() : place_(platform::makeScratchStore()) {
        if (!place_.empty()) {
            platform::setStoreFolder(place_);
        }
    }
    ~DemoStore() {
        platform::setStoreFolder("");
        platform::removeScratchStore(place_);
    }
    DemoStore(const DemoStore&) = delete;
    DemoStore& operator=(const DemoStore&) = delete;

private:
    std::string place_;
};

// The settings as kept (in a file, or in the player's store) under the command line's, and
// what was kept, to write a change back.
struct Choices {
    std::string file; // the settings file, when the back end keeps one
    SettingsFile saved;
    Settings now;
};

void loadSettingsFile(Choices& choices) {
    const std::string config = platform::userConfigFolder();
    if (config.empty()) {
        complain("there is no configuration folder of your own; settings are neither read nor "
                 "kept");
        return;
    }
    choices.file = (fs::path(config) / SettingsFileName).string();
    std::vector<std::string> complaints;
    std::string reading = choices.file;
    const std::string data = platform::userDataFolder();
    if (!data.empty()) {
        const std::string old = (fs::path(data) / SettingsFileName).string();
        reading = moveSettingsFile(old, choices.file, complaints);
        for (const std::string& complaint : complaints) {
            complain(old + ": " + complaint);
        }
        complaints.clear();
    }
    choices.saved = loadSettings(reading, complaints);
    for (const std::string& complaint : complaints) {
        complain(reading + ": " + complaint);
    }
}

Choices loadChoices(const Options& options) {
    Choices choices;
    if (platform::offers(Feature::SettingsFile)) {
        loadSettingsFile(choices);
    } else if (platform::offers(Feature::StoredSettings)) {
        std::vector<std::string> complaints;
        choices.saved.settings = loadStoredSettings(complaints);
        for (const std::string& complaint : complaints) {
            complain(complaint);
        }
    }
    choices.now = withOptions(choices.saved.settings, options);
    return choices;
}

// Keeps a change the player makes in the game. In the settings file only the setting's own
// line is rewritten, and a file the game ignored is left as it is.
void keepSetting(Choices& choices, const char* name, const std::string& value, const char* what) {
    if (platform::offers(Feature::StoredSettings)) {
        if (!saveStoredSettings(choices.saved.settings)) {
            complain(std::string("the settings could not be stored: ") + what +
                     " for this run only");
        }
        return;
    }
    if (choices.file.empty()) {
        return;
    }
    if (choices.saved.ignored) {
        complain(choices.file + " was ignored, so it is left as it is: " + what +
                 " for this run only");
        return;
    }
    choices.saved.text = withSetting(choices.saved.text, choices.saved.settings, name, value);
    std::string why;
    std::error_code ignored;
    fs::create_directories(fs::path(choices.file).parent_path(), ignored);
    if (!saveSettings(choices.file, choices.saved.text, why)) {
        complain(why);
    }
}

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
    bool written = true;
    if (!record.empty()) {
        hooks.atEnd = [&record, &written](const Game& game) {
            const std::string dump = record + ".json";
            // Byte for byte as the simulator writes it, on every system.
            std::ofstream file(dump, std::ios::binary);
            file << dumpState(game, replay::demo::frame(), true);
            file.close();
            if (!file) {
                complain("cannot write " + dump);
                written = false;
            }
        };
    }
    const int status = runGame(hooks);
    if (!replay::demo::stop()) {
        complain("cannot write the demo " + record + ": the disk is full or the file failed");
        written = false;
    }
    // A game whose recording was lost does not end as a success.
    return status == 0 && !written ? 1 : status;
}

int launchRun(int count, const char* const* arguments) {
    Options options;
    std::string error;
    if (!parseCommandLine(count - 1, arguments + 1, options, error)) {
        return refuse(error);
    }
    if (const std::string option = unofferedOption(count - 1, arguments + 1); !option.empty()) {
        return refuse(option + " is not available in " + platform::gameName());
    }
    if (options.help) {
        platform::tellPlayer(usage().c_str(), false);
        return 0;
    }
    if (options.version) {
        platform::tellPlayer("Kestravan " KESTRAVAN_VERSION "\n", false);
        return 0;
    }
    // Files named on the command line are taken from where the player stands.
    std::error_code ignored;
    const std::string record =
        options.record.empty() ? "" : fs::absolute(options.record, ignored).string();
    std::vector<replay::ScriptLine> demo;
    if (!options.play.empty() && !replay::readScriptFile(options.play, "demo", demo, error)) {
        return refuse(error);
    }

    Choices choices = loadChoices(options);
    // Where the game's folder cannot be chosen, it is where the game stands; a file missing
    // there is the game's own failure to report.
    if (!enterGameFolder(platform::offers(Feature::GameFolder) ? options.data : ".")) {
        return 1;
    }
    platform::chooseScreen(
        {choices.now.fullscreen, choices.now.scale == Scale::Integer, choices.now.exclusive});
    platform::chooseSound(choices.now.sound, choices.now.volume);
    platform::choosePadDeadzone(choices.now.stickDeadzone);
    platform::onScreenModeChange([&choices](bool fullscreen) {
        choices.saved.settings.fullscreen = fullscreen;
        keepSetting(choices, "mode", fullscreen ? "fullscreen" : "windowed", "the mode changes");
    });
    platform::onSilenceKept([&choices] {
        choices.saved.settings.sound = false;
        keepSetting(choices, "sound", "off", "the game plays without sound");
    });

    std::unique_ptr<DemoStore> demoStore;
    if (!record.empty()) {
        if (!replay::demo::startRecording(record, error)) {
            return refuse(error);
        }
        demoStore = std::make_unique<DemoStore>();
    } else if (!options.play.empty()) {
        replay::demo::startPlaying(std::move(demo));
        demoStore = std::make_unique<DemoStore>();
    }
    return runWithDemo(record);
}

} // namespace

int launch(int count, const char* const* arguments) {
    const int status = launchRun(count, arguments);
    const std::vector<std::string> missing =
        status == 1 ? missingGameFiles(".") : std::vector<std::string>();
    platform::runEnded(status, missing.empty() ? std::string() : missing.front());
    return status;
}
