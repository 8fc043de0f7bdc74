// Reading the command line: switches, and options that take the next argument or "=VALUE".
#include "launch/options.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/session.h"

namespace {

struct ValueOption {
    const char* name;
    const char* takes;
    std::function<bool(const std::string&, Options&)> apply;
};

bool nonEmpty(const std::string& value, std::string& into) {
    into = value;
    return !value.empty();
}

using platform::Feature;

// Each option with its line of help and what it needs of the back end.
struct OptionHelp {
    const char* name;
    const char* help;
    std::optional<Feature> needs;
};

const OptionHelp Help[] = {
    {"--windowed", "  --windowed          play in a 1024 x 768 window\n", Feature::WindowModes},
    {"--fullscreen", "  --fullscreen        play on the whole screen\n", Feature::WindowModes},
    {"--exclusive",
     "  --exclusive         full screen in the display's own 1024 x 768 mode, where there is one\n",
     Feature::FullScreenKinds},
    {"--borderless", "  --borderless        full screen over the desktop at its own size\n",
     Feature::FullScreenKinds},
    {"--scale",
     "  --scale fit|integer fit: as large as the screen allows; integer: the largest whole\n"
     "                      multiple of 1024 x 768 that fits, centred\n",
     Feature::WindowModes},
    {"--volume", "  --volume 0..100     how loud the sounds play\n", std::nullopt},
    {"--no-sound", "  --no-sound          play without a sound output\n", std::nullopt},
    {"--data", "  --data DIR          the folder that holds Data/ and Terrain.dat\n",
     Feature::GameFolder},
    {"--record",
     "  --record FILE       record the game as a demo into FILE (and its state into FILE.json)\n",
     Feature::Demos},
    {"--play", "  --play FILE         show a recorded demo; Escape ends it\n", Feature::Demos},
    {"--help", "  --help              show this help and stop\n", std::nullopt},
    {"--version", "  --version           show the version and stop\n", std::nullopt},
};

bool offered(const OptionHelp& option) {
    return !option.needs || platform::offers(*option.needs);
}

} // namespace

std::string usage() {
    std::string text = "usage: kestravan [OPTION]...\n"
                       "Steer the whirlwind over the farmland, catch what runs, throw it at the "
                       "target.\n\n";
    for (const OptionHelp& option : Help) {
        if (offered(option)) {
            text += option.help;
        }
    }
    text += "\nIn the game: ";
    if (platform::offers(Feature::WindowModes)) {
        text += "Alt+Enter switches between full screen and a window, ";
    }
    return text + "F12 takes a screenshot,\nEscape opens the menu and Escape again quits.\n";
}

std::string unofferedOption(int count, const char* const* arguments) {
    for (int i = 0; i < count; ++i) {
        const std::string argument(arguments[i]);
        const std::string name = argument.substr(0, argument.find('='));
        for (const OptionHelp& option : Help) {
            if (name == option.name && !offered(option)) {
                return name;
            }
        }
    }
    return std::string();
}

bool parseCommandLine(int count, const char* const* arguments, Options& options,
                      std::string& error) {
    const std::pair<const char*, std::function<void(Options&)>> switches[] = {
        {"--help", [](Options& o) { o.help = true; }},
        {"-h", [](Options& o) { o.help = true; }},
        {"--version", [](Options& o) { o.version = true; }},
        {"--windowed", [](Options& o) { o.fullscreen = false; }},
        {"--fullscreen", [](Options& o) { o.fullscreen = true; }},
        {"--exclusive", [](Options& o) { o.exclusive = true; }},
        {"--borderless", [](Options& o) { o.exclusive = false; }},
        {"--no-sound", [](Options& o) { o.sound = false; }},
    };
    const ValueOption values[] = {
        {"--scale", "fit or integer",
         [](const std::string& v, Options& o) {
             Scale scale = Scale::Fit;
             return parseScale(v, scale) && (o.scale = scale, true);
         }},
        {"--volume", "a whole number from 0 to 100",
         [](const std::string& v, Options& o) {
             int volume = 0;
             return parseVolume(v, volume) && (o.volume = volume, true);
         }},
        {"--data", "a folder",
         [](const std::string& v, Options& o) { return nonEmpty(v, o.data); }},
        {"--record", "a file name",
         [](const std::string& v, Options& o) { return nonEmpty(v, o.record); }},
        {"--play", "a file name",
         [](const std::string& v, Options& o) { return nonEmpty(v, o.play); }},
    };
    for (int i = 0; i < count; ++i) {
        std::string argument = arguments[i];
        const auto flag = std::find_if(std::begin(switches), std::end(switches),
                                       [&](const auto& s) { return argument == s.first; });
        if (flag != std::end(switches)) {
            flag->second(options);
            continue;
        }
        std::string value;
        bool hasValue = false;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.erase(equals);
            hasValue = true;
        }
        const auto option = std::find_if(std::begin(values), std::end(values),
                                         [&](const ValueOption& o) { return argument == o.name; });
        if (option == std::end(values)) {
            error = "unknown option '" + std::string(arguments[i]) + "'";
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= count) {
                error = argument + " needs " + option->takes;
                return false;
            }
            value = arguments[++i];
        }
        if (!option->apply(value, options)) {
            error = argument + " takes " + option->takes + ", not '" + value + "'";
            return false;
        }
    }
    if (!options.record.empty() && !options.play.empty()) {
        error = "--record and --play cannot be used together";
        return false;
    }
    return true;
}

Settings withOptions(Settings settings, const Options& options) {
    settings.fullscreen = options.fullscreen.value_or(settings.fullscreen);
    settings.exclusive = options.exclusive.value_or(settings.exclusive);
    settings.scale = options.scale.value_or(settings.scale);
    settings.volume = options.volume.value_or(settings.volume);
    settings.sound = options.sound.value_or(settings.sound);
    return settings;
}
