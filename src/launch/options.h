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

inline constexpr const char* Usage =
    "usage: kestravan [OPTION]...\n"
    "Steer the whirlwind over the farmland, catch what runs, throw it at the target.\n"
    "\n"
    "  --windowed          play in a 1024 x 768 window\n"
    "  --fullscreen        play on the whole screen\n"
    "  --exclusive         full screen in the display's own 1024 x 768 mode, where there is one\n"
    "  --borderless        full screen over the desktop at its own size\n"
    "  --scale fit|integer fit: as large as the screen allows; integer: the largest whole\n"
    "                      multiple of 1024 x 768 that fits, centred\n"
    "  --volume 0..100     how loud the sounds play\n"
    "  --no-sound          play without a sound output\n"
    "  --data DIR          the folder that holds Data/ and Terrain.dat\n"
    "  --record FILE       record the game as a demo into FILE (and its state into FILE.json)\n"
    "  --play FILE         show a recorded demo; Escape ends it\n"
    "  --help              show this help and stop\n"
    "  --version           show the version and stop\n"
    "\n"
    "In the game: Alt+Enter switches between full screen and a window, F12 takes a\n"
    "screenshot, Escape opens the menu and Escape again quits.\n";

// Reads the arguments after the program's name; false with a message naming the bad one.
bool parseCommandLine(int count, const char* const* arguments, Options& options,
                      std::string& error);

// The settings file's choices with the command line's laid over them.
Settings withOptions(Settings settings, const Options& options);
