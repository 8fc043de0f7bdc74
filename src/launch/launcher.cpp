// The run of the game on a real screen. The command line is laid over the settings file, the
// game folder is found and made the working directory, the back end is told the player's
// choices, and then the game runs its loop: every waiting event, then one frame.
#include "launch/launcher.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "launch/data_folder.h"
#include "launch/demo_file.h"
#include "launch/options.h"
#include "launch/settings.h"
#include "platform/demo.h"
#include "platform/pad.h"
#include "platform/session.h"
#include "platform/store.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sim/state_dump.h"

namespace fs = std::filesystem;

namespace {

void complain(const std::string& text) {
    std::cerr << "kestravan: " << text << "\n";
}

// Makes the game folder the working directory: the one named, or the first place that holds
// the game's data. Missing files are named with the folder they were looked for in; the game
// then reports its own failure in its error box.
bool enterGameFolder(const std::string& named) {
    std::error_code failure;
    std::string folder = named;
    if (folder.empty()) {
        const std::vector<std::string> places =
            gameFolderPlaces(fs::current_path(failure).string(), platform::executableFolder(),
                             KESTRAVAN_INSTALLED_DATA);
        folder = chooseGameFolder(places);
        if (folder.empty()) {
            std::string list;
            for (const std::string& place : places) {
                list += (list.empty() ? "" : ", ") + place;
            }
            complain("the game's data (Terrain.dat and Data/) is in none of: " + list +
                     "; --data DIR names its folder");
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
    DemoStore() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("kestravan-demo-" + std::to_string(stamp));
        std::error_code failure;
        if (fs::create_directories(folder_, failure)) {
            platform::setStoreFolder(folder_.string());
        }
    }
    ~DemoStore() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    DemoStore(const DemoStore&) = delete;
    DemoStore& operator=(const DemoStore&) = delete;

private:
    fs::path folder_;
};

// The settings from the file under the command line's, and the file's own kept to write back.
struct Choices {
    std::string file;
    Settings saved;
    Settings now;
};

Choices loadChoices(const Options& options) {
    Choices choices;
    const std::string folder = platform::defaultStoreFolder();
    if (folder.empty()) {
        complain("there is no data folder of your own; settings are neither read nor kept");
    } else {
        choices.file = (fs::path(folder) / SettingsFileName).string();
        std::vector<std::string> complaints;
        choices.saved = loadSettings(choices.file, complaints);
        for (const std::string& complaint : complaints) {
            complain(choices.file + ": " + complaint);
        }
    }
    choices.now = withOptions(choices.saved, options);
    return choices;
}

// The game's run, with a demo's turns counted and, when recording, the game's last state
// written beside the demo.
int runWithDemo(const std::string& record) {
    const bool playing = platform::demo::mode() == platform::demo::Mode::Play;
    RunHooks hooks;
    hooks.beforeTurn = [playing, ending = false](platform::Window* window) mutable {
        platform::demo::beginTurn();
        if (playing && platform::demo::finished() && !ending) {
            platform::postClose(window); // the demo is over
            ending = true;
        }
    };
    hooks.sleepWhileMinimised = !playing; // a demo plays on by itself
    if (!record.empty()) {
        hooks.atEnd = [&record](const Game& game) {
            const std::string dump = record + ".json";
            if (!(std::ofstream(dump) << dumpState(game, platform::demo::frame(), true))) {
                complain("cannot write " + dump);
            }
        };
    }
    const int status = runGame(hooks);
    platform::demo::stop();
    return status;
}

} // namespace

int launch(int count, const char* const* arguments) {
    Options options;
    std::string error;
    if (!parseCommandLine(count - 1, arguments + 1, options, error)) {
        complain(error);
        std::cerr << "Try 'kestravan --help'.\n";
        return 2;
    }
    if (options.help) {
        std::cout << Usage;
        return 0;
    }
    if (options.version) {
        std::cout << "Kestravan " << KESTRAVAN_VERSION << "\n";
        return 0;
    }
    // Files named on the command line are taken from where the player stands.
    std::error_code ignored;
    const std::string record =
        options.record.empty() ? "" : fs::absolute(options.record, ignored).string();
    std::vector<platform::demo::Step> demo;
    if (!options.play.empty() && !readDemo(options.play, demo, error)) {
        complain(error);
        return 2;
    }

    Choices choices = loadChoices(options);
    if (!enterGameFolder(options.data)) {
        return 1;
    }
    platform::chooseScreen({choices.now.fullscreen, choices.now.scale == Scale::Integer});
    platform::chooseSound(choices.now.sound, choices.now.volume);
    platform::choosePadDeadzone(choices.now.stickDeadzone);
    platform::onScreenModeChange([&choices](bool fullscreen) {
        choices.saved.fullscreen = fullscreen;
        std::string why;
        if (!choices.file.empty() && !saveSettings(choices.file, choices.saved, why)) {
            complain(why);
        }
    });
    const std::string folder = platform::defaultStoreFolder();
    if (!folder.empty()) {
        platform::setScreenshotFolder((fs::path(folder) / "screenshots").string());
    }

    std::unique_ptr<DemoStore> demoStore;
    if (!record.empty()) {
        if (!platform::demo::startRecording(record, error)) {
            complain(error);
            return 2;
        }
        demoStore = std::make_unique<DemoStore>();
    } else if (!options.play.empty()) {
        platform::demo::startPlaying(std::move(demo));
        demoStore = std::make_unique<DemoStore>();
    }
    return runWithDemo(record);
}
