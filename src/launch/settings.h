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
    bool exclusive = true;  // full screen by the display's own mode, where there is one
};

inline constexpr const char* SettingsFileName = "kestravan.ini";

// Reads "name = value" lines; '#' and ';' start comments and "[section]" lines are skipped.
// A bad line keeps the value it would have set and adds a complaint naming its line.
Settings readSettings(std::istream& in, std::vector<std::string>& complaints);

// The settings file's text, with a comment on each line saying what it takes.
std::string settingsText(const Settings& settings);

// The settings file as it was read.
struct SettingsFile {
    Settings settings;
    std::string text;     // its bytes, kept to be written back around a changed mode
    bool ignored = false; // unreadable, not a regular file or too large: never written over
};

// Moves the settings file an earlier version kept at from to its place at to, once: only when
// from is a regular file and nothing is at to yet. Returns the file to read: to, or from when
// it could not be moved (a complaint says why).
std::string moveSettingsFile(const std::string& from, const std::string& to,
                             std::vector<std::string>& complaints);

// Reads the file at path: missing means the defaults; a file that cannot be read, is not a
// regular file, or is larger than any settings file, is reported and ignored.
SettingsFile loadSettings(const std::string& path, std::vector<std::string>& complaints);

// The file's text with the mode set: every mode line gets the new value in place of its own,
// and every other line (comments, order, settings the game does not know) stays as it was. A
// text without a mode line gains one at its end; an empty one becomes settingsText().
std::string withMode(const std::string& text, const Settings& settings);
// The same for any one setting: the lines named name get value, and nothing else changes.
std::string withSetting(const std::string& text, const Settings& settings, const std::string& name,
                        const std::string& value);

// Replaces the file with the text at once and whole, through a new file of a unique name
// beside it; false with the reason when it cannot.
bool saveSettings(const std::string& path, const std::string& text, std::string& error);

// One setting's value as the file and the command line spell it; false when it is not one.
bool parseMode(const std::string& text, bool& fullscreen);
bool parseScale(const std::string& text, Scale& scale);
bool parseVolume(const std::string& text, int& volume);
bool parseDeadzone(const std::string& text, int& percent);
bool parseSwitch(const std::string& text, bool& on);
