// Settings as values of the player's store: each read and written on its own.
#include "launch/stored_settings.h"

#include <functional>

#include "platform/store.h"

namespace {

struct StoredSetting {
    const char* name;
    const char* takes;
    std::function<bool(const std::string&, Settings&)> parse;
    std::function<std::string(const Settings&)> text;
};

const StoredSetting StoredSettings[] = {
    {"Screen", "fullscreen or windowed",
     [](const std::string& v, Settings& s) { return parseMode(v, s.fullscreen); },
     [](const Settings& s) { return s.fullscreen ? "fullscreen" : "windowed"; }},
    {"Full Screen", "exclusive or borderless",
     [](const std::string& v, Settings& s) {
         if (v != "exclusive" && v != "borderless") {
             return false;
         }
         s.exclusive = v == "exclusive";
         return true;
     },
     [](const Settings& s) { return s.exclusive ? "exclusive" : "borderless"; }},
    {"Scale", "fit or integer",
     [](const std::string& v, Settings& s) { return parseScale(v, s.scale); },
     [](const Settings& s) { return s.scale == Scale::Fit ? "fit" : "integer"; }},
    {"Volume", "a whole number from 0 to 100",
     [](const std::string& v, Settings& s) { return parseVolume(v, s.volume); },
     [](const Settings& s) { return std::to_string(s.volume); }},
    {"Sound", "on or off",
     [](const std::string& v, Settings& s) { return parseSwitch(v, s.sound); },
     [](const Settings& s) { return s.sound ? "on" : "off"; }},
};

} // namespace

Settings loadStoredSettings(std::vector<std::string>& complaints) {
    Settings settings;
    for (const StoredSetting& setting : StoredSettings) {
        char text[16] = {};
        std::size_t length = 0;
        platform::StoreFailure failure;
        const platform::StoredValue read =
            platform::readStoredValue(setting.name, text, sizeof text, length, failure);
        if (read == platform::StoredValue::Missing) {
            continue;
        }
        if (read == platform::StoredValue::Unreadable) {
            // A value of the wrong kind, or too long, is named and left alone.
            complaints.push_back("The registry value \"" + std::string(setting.name) +
                                 "\" is not a short text: ignored (" + failure.reason + ")");
            continue;
        }
        const std::string value(text, length);
        if (!setting.parse(value, settings)) {
            complaints.push_back("The setting \"" + std::string(setting.name) + "\" takes " +
                                 setting.takes + ", not '" + value + "': ignored");
        }
    }
    return settings;
}

bool saveStoredSettings(const Settings& settings) {
    bool stored = true;
    for (const StoredSetting& setting : StoredSettings) {
        const std::string text = setting.text(settings);
        stored = platform::writeStoredValue(setting.name, text.c_str(), text.size()) && stored;
    }
    return stored;
}
