// The player's choices of how the game is shown and heard, and the settings file
// "kestravan.ini" that keeps them between runs.
#pragma once

#include <istream>
#include <string>
#include <vector>

enum class Scale {
    Fit,     // as large as the screen allows, bars where the shapes differ
    Integer, // the largest whole multiple of 1024 x 768 that fits, centred
};

struct Settings {
    bool fullscreen = true;
    Scale scale = Scale::Fit;
    int volume = 100; // percent
    bool sound = true;
    int stickDeadzone = 20; // percent of a full push of the pad's stick that is not heard
};

inline constexpr const char* SettingsFileName = "kestravan.ini";

// Reads "name = value" lines; '#' and ';' start comments and "[section]" lines are skipped.
// A bad line keeps the value it would have set and adds a complaint naming its line.
Settings readSettings(std::istream& in, std::vector<std::string>& complaints);

// The settings file's text, with a comment on each line saying what it takes.
std::string settingsText(const Settings& settings);

// Reads the file at path: missing means the defaults; a file that cannot be read, or one
// larger than any settings file, is reported and ignored.
Settings loadSettings(const std::string& path, std::vector<std::string>& complaints);

// Replaces the file at once and whole; false with the reason when it cannot.
bool saveSettings(const std::string& path, const Settings& settings, std::string& error);

// One setting's value as the file and the command line spell it; false when it is not one.
bool parseMode(const std::string& text, bool& fullscreen);
bool parseScale(const std::string& text, Scale& scale);
bool parseVolume(const std::string& text, int& volume);
bool parseDeadzone(const std::string& text, int& percent);
bool parseSwitch(const std::string& text, bool& on);
