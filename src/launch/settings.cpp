// The settings file: a few "name = value" lines, read forgivingly and written whole.
#include "launch/settings.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// Far more than any settings file holds: a larger file is not ours.
constexpr std::uintmax_t LargestFile = 64 * 1024;

std::string trimmed(const std::string& text) {
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), space);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), space).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

bool parseMode(const std::string& text, bool& fullscreen) {
    const std::string word = lowered(text);
    if (word == "fullscreen" || word == "windowed") {
        fullscreen = word == "fullscreen";
        return true;
    }
    return false;
}

bool parseScale(const std::string& text, Scale& scale) {
    const std::string word = lowered(text);
    if (word == "fit" || word == "integer") {
        scale = word == "fit" ? Scale::Fit : Scale::Integer;
        return true;
    }
    return false;
}

namespace {

// A whole number from 0 to most, written plainly.
bool parseWholeNumber(const std::string& text, int most, int& value) {
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return false;
    }
    const int number = std::stoi(text);
    if (number > most) {
        return false;
    }
    value = number;
    return true;
}

} // namespace

bool parseVolume(const std::string& text, int& volume) {
    return parseWholeNumber(text, 100, volume);
}

bool parseDeadzone(const std::string& text, int& percent) {
    return parseWholeNumber(text, 95, percent);
}

bool parseSwitch(const std::string& text, bool& on) {
    const std::string word = lowered(text);
    if (word == "on" || word == "off") {
        on = word == "on";
        return true;
    }
    return false;
}

Settings readSettings(std::istream& in, std::vector<std::string>& complaints) {
    struct Entry {
        const char* name;
        const char* takes;
        bool (*apply)(const std::string&, Settings&);
    };
    static const Entry entries[] = {
        {"mode", "fullscreen or windowed",
         [](const std::string& v, Settings& s) { return parseMode(v, s.fullscreen); }},
        {"scale", "fit or integer",
         [](const std::string& v, Settings& s) { return parseScale(v, s.scale); }},
        {"volume", "a whole number from 0 to 100",
         [](const std::string& v, Settings& s) { return parseVolume(v, s.volume); }},
        {"sound", "on or off",
         [](const std::string& v, Settings& s) { return parseSwitch(v, s.sound); }},
        {"stick_deadzone", "a whole number from 0 to 95",
         [](const std::string& v, Settings& s) { return parseDeadzone(v, s.stickDeadzone); }},
    };
    Settings settings;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = trimmed(line.substr(0, line.find_first_of("#;")));
        if (line.empty() || line.front() == '[') {
            continue;
        }
        const std::string where = "line " + std::to_string(number) + ": ";
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            complaints.push_back(where + "expected name = value");
            continue;
        }
        const std::string name = lowered(trimmed(line.substr(0, equals)));
        const std::string value = trimmed(line.substr(equals + 1));
        const auto entry = std::find_if(std::begin(entries), std::end(entries),
                                        [&](const Entry& e) { return name == e.name; });
        if (entry == std::end(entries)) {
            complaints.push_back(where + "unknown setting '" + name + "'");
        } else if (!entry->apply(value, settings)) {
            complaints.push_back(where + name + " takes " + entry->takes + ", not '" + value + "'");
        }
    }
    return settings;
}

std::string settingsText(const Settings& settings) {
    std::ostringstream text;
    text << "# Kestravan's settings. The command line overrides them for one run.\n"
         << "mode = " << (settings.fullscreen ? "fullscreen" : "windowed")
         << "    # fullscreen or windowed (Alt+Enter switches)\n"
         << "scale = " << (settings.scale == Scale::Fit ? "fit" : "integer")
         << "    # fit or integer\n"
         << "volume = " << settings.volume << "    # 0 to 100\n"
         << "sound = " << (settings.sound ? "on" : "off") << "    # on or off\n"
         << "stick_deadzone = " << settings.stickDeadzone
         << "    # 0 to 95: how far the pad's stick moves, in percent, before it steers\n";
    return text.str();
}

Settings loadSettings(const std::string& path, std::vector<std::string>& complaints) {
    std::error_code failure;
    if (!fs::exists(path, failure)) {
        return Settings{};
    }
    const std::uintmax_t size = fs::file_size(path, failure);
    if (failure || size > LargestFile) {
        complaints.push_back("too large to be a settings file, or unreadable; ignored");
        return Settings{};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        complaints.push_back("cannot be read; ignored");
        return Settings{};
    }
    return readSettings(file, complaints);
}

bool saveSettings(const std::string& path, const Settings& settings, std::string& error) {
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << settingsText(settings);
        file.close();
        if (!file) {
            error = "cannot write " + temporary;
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    fs::rename(temporary, path, failure);
    if (failure) {
        error = "cannot replace " + path + ": " + failure.message();
        fs::remove(temporary, failure);
        return false;
    }
    return true;
}
