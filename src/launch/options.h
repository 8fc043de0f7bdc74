// The command line of the game: what a player or a launcher may ask for at start.
#pragma once

#include <optional>
#include <string>

#include "launch/settings.h"

struct Options {
    bool help = false;
    bool version = false;
    std::string data;   // the game folder, named outright
    std::string record; // the demo to write
    std::string play;   // the demo to show
    // Settings given on the command line; unset ones come from the settings file.
    std::optional<bool> fullscreen;
    std::optional<bool> exclusive;
    std::optional<Scale> scale;
    std::optional<int> volume;
    std::optional<bool> sound;
};

// The help text, with only the options the back end the game runs on offers.
std::string usage();

// The first option among the arguments that needs what the back end lacks; empty when there
// is none.
std::string unofferedOption(int count, const char* const* arguments);

// Reads the arguments after the program's name; false with a message naming the bad one.
bool parseCommandLine(int count, const char* const* arguments, Options& options,
                      std::string& error);

// The settings file's choices with the command line's laid over them.
Settings withOptions(Settings settings, const Options& options);
