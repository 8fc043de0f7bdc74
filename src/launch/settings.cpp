// The settings file: a few "name = value" lines, read forgivingly and written whole.
#include "launch/settings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "platform/file_system.h"
#include "platform/printable.h"

namespace {

namespace fs = std::filesystem;

// Far more than any settings file holds: a larger file is not ours.
constexpr std::size_t LargestFile = 64 * 1024;

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
            complaints.push_back(where + "unknown setting '" + platform::printable(name) + "'");
        } else if (!entry->apply(value, settings)) {
            complaints.push_back(where + name + " takes " + entry->takes + ", not '" +
                                 platform::printable(value) + "'");
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

SettingsFile loadSettings(const std::string& path, std::vector<std::string>& complaints) {
    SettingsFile file;
    platform::OpenFailure failure;
    std::FILE* in = platform::openRegularFile(path, &failure);
    if (in == nullptr) {
        if (!failure.missing) {
            complaints.push_back("cannot be read (" + failure.reason + "); ignored");
            file.ignored = true;
        }
        return file;
    }
    // One byte more than the largest file tells a file that is too large.
    file.text.resize(LargestFile + 1);
    file.text.resize(std::fread(file.text.data(), 1, file.text.size(), in));
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed || file.text.size() > LargestFile) {
        complaints.push_back(failed ? "cannot be read; ignored"
                                    : "larger than any settings file (64 kB); ignored");
        return SettingsFile{Settings{}, std::string(), true};
    }
    std::istringstream lines(file.text);
    file.settings = readSettings(lines, complaints);
    return file;
}

std::string moveSettingsFile(const std::string& from, const std::string& to,
                             std::vector<std::string>& complaints) {
    std::error_code failure;
    if (!fs::is_regular_file(fs::symlink_status(from, failure)) ||
        fs::exists(fs::symlink_status(to, failure))) {
        return to;
    }
    fs::create_directories(fs::path(to).parent_path(), failure);
    fs::rename(from, to, failure);
    if (failure) {
        // Another file system: copy, then remove the old file once the copy is whole.
        failure.clear();
        if (fs::copy_file(from, to, failure)) {
            fs::remove(from, failure);
        }
    }
    if (failure) {
        complaints.push_back("cannot be moved to " + to + " (" + failure.message() +
                             "); read where it is");
        return from;
    }
    return to;
}

std::string withMode(const std::string& text, const Settings& settings) {
    return withSetting(text, settings, "mode", settings.fullscreen ? "fullscreen" : "windowed");
}

std::string withSetting(const std::string& text, const Settings& settings, const std::string& name,
                        const std::string& mode) {
    if (text.empty()) {
        return settingsText(settings);
    }
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    std::string out;
    bool found = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        const std::size_t end = newline == std::string::npos ? text.size() : newline + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        // The line as the reader sees it: up to its comment, then its name before the '='.
        const std::size_t comment = std::min(line.find_first_of("#;"), line.size());
        const std::string setting = trimmed(line.substr(0, comment));
        const std::size_t equals = line.find('=');
        if (setting.empty() || setting.front() == '[' || equals >= comment ||
            lowered(trimmed(line.substr(0, equals))) != name) {
            out += line;
            continue;
        }
        // The value's own characters give way to the new value; the spaces around it stay.
        std::size_t first = equals + 1;
        while (first < comment && (line[first] == ' ' || line[first] == '\t')) {
            ++first;
        }
        std::size_t last = comment;
        while (last > first && space(line[last - 1])) {
            --last;
        }
        const std::string value = first == last && first == equals + 1 ? " " + mode : mode;
        out += line.substr(0, first) + value + line.substr(last);
        found = true;
    }
    if (!found) {
        out += (out.back() == '\n' ? "" : "\n") + name + " = " + mode + "\n";
    }
    return out;
}

bool saveSettings(const std::string& path, const std::string& text, std::string& error) {
    if (!platform::replaceFile(path, text.data(), text.size())) {
        error = "cannot replace " + path + ": " + platform::lastFileError();
        return false;
    }
    return true;
}
