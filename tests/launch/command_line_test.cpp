// The command line and the settings file: what each spelling sets, what is refused and why,
// and which of the two wins.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "launch/options.h"
#include "launch/settings.h"
#include "support/temporary_folder.h"

namespace {

bool parse(std::vector<const char*> arguments, Options& options, std::string& error) {
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data(), options, error);
}

Settings settingsFrom(const std::string& text, std::vector<std::string>& complaints) {
    std::istringstream in(text);
    return readSettings(in, complaints);
}

} // namespace

TEST(CommandLine, EachOptionSetsItsSettingAndTheLastOneWins) {
    Options options;
    std::string error;
    ASSERT_TRUE(parse({"--windowed", "--scale", "integer", "--volume=40", "--no-sound", "--data",
                       "/games/k", "--record", "demo", "--fullscreen", "--volume", "0"},
                      options, error))
        << error;
    const Settings chosen = withOptions(Settings{}, options);
    EXPECT_TRUE(chosen.fullscreen);
    EXPECT_EQ(chosen.scale, Scale::Integer);
    EXPECT_EQ(chosen.volume, 0);
    EXPECT_FALSE(chosen.sound);
    EXPECT_EQ(options.data, "/games/k");
    EXPECT_EQ(options.record, "demo");
    EXPECT_FALSE(options.help || options.version);
}

TEST(CommandLine, BadOptionsAndValuesAreRefusedNamingWhatIsWrong) {
    const std::pair<std::vector<const char*>, const char*> refusals[] = {
        {{"--fast"}, "unknown option '--fast'"},
        {{"-w"}, "unknown option '-w'"},
        {{"--scale"}, "--scale needs fit or integer"},
        {{"--scale", "stretch"}, "--scale takes fit or integer, not 'stretch'"},
        {{"--volume", "101"}, "--volume takes a whole number from 0 to 100, not '101'"},
        {{"--volume=-1"}, "--volume takes a whole number from 0 to 100, not '-1'"},
        {{"--volume", "5x"}, "--volume takes a whole number from 0 to 100, not '5x'"},
        {{"--volume", "0050"}, "--volume takes a whole number from 0 to 100, not '0050'"},
        {{"--data="}, "--data takes a folder, not ''"},
        {{"--record", "a", "--play", "b"}, "--record and --play cannot be used together"},
    };
    for (const auto& [arguments, message] : refusals) {
        Options options;
        std::string error;
        EXPECT_FALSE(parse(arguments, options, error)) << message;
        EXPECT_EQ(error, message);
    }
}

TEST(CommandLine, WhatTheCommandLineLeavesOutComesFromTheFile) {
    Options options;
    std::string error;
    ASSERT_TRUE(parse({"--volume", "30"}, options, error));
    const Settings saved{false, Scale::Integer, 80, false};
    const Settings chosen = withOptions(saved, options);
    EXPECT_FALSE(chosen.fullscreen);
    EXPECT_EQ(chosen.scale, Scale::Integer);
    EXPECT_EQ(chosen.volume, 30);
    EXPECT_FALSE(chosen.sound);
}

TEST(SettingsFile, WrittenSettingsReadBackAsTheyWere) {
    for (const Settings& settings : {Settings{}, Settings{false, Scale::Integer, 0, false},
                                     Settings{true, Scale::Fit, 57, true, 35}}) {
        std::vector<std::string> complaints;
        const Settings read = settingsFrom(settingsText(settings), complaints);
        EXPECT_TRUE(complaints.empty());
        EXPECT_EQ(read.fullscreen, settings.fullscreen);
        EXPECT_EQ(read.scale, settings.scale);
        EXPECT_EQ(read.volume, settings.volume);
        EXPECT_EQ(read.sound, settings.sound);
        EXPECT_EQ(read.stickDeadzone, settings.stickDeadzone);
    }
}

TEST(SettingsFile, BadLinesAreNamedAndKeepTheirDefaults) {
    std::vector<std::string> complaints;
    const Settings read = settingsFrom("[Kestravan]\n"
                                       "  MODE = Windowed  ; a comment\n"
                                       "volume = loud\n"
                                       "colour = red\n"
                                       "just words\n"
                                       "scale = integer # another\n"
                                       "sound =\n"
                                       "stick_deadzone = 96\n",
                                       complaints);
    EXPECT_FALSE(read.fullscreen);
    EXPECT_EQ(read.scale, Scale::Integer);
    EXPECT_EQ(read.volume, 100);
    EXPECT_TRUE(read.sound);
    EXPECT_EQ(read.stickDeadzone, 20);
    const std::vector<std::string> expected = {
        "line 3: volume takes a whole number from 0 to 100, not 'loud'",
        "line 4: unknown setting 'colour'",
        "line 5: expected name = value",
        "line 7: sound takes on or off, not ''",
        "line 8: stick_deadzone takes a whole number from 0 to 95, not '96'",
    };
    EXPECT_EQ(complaints, expected);
}

TEST(SettingsFile, AMissingOrStrangeFileGivesTheDefaultsAndASavedOneReplacesIt) {
    TemporaryFolder folder;
    std::vector<std::string> complaints;
    EXPECT_EQ(loadSettings(folder.file("none.ini"), complaints).volume, 100);
    EXPECT_TRUE(complaints.empty());

    folder.write("huge.ini", std::string(200 * 1024, 'x'));
    const char binary[] = "\0\xff\n\x01\nvolume=3\r\n";
    folder.write("binary.ini", std::string(binary, sizeof binary - 1));
    EXPECT_EQ(loadSettings(folder.file("huge.ini"), complaints).volume, 100);
    EXPECT_EQ(loadSettings(folder.file("binary.ini"), complaints).volume, 3);
    EXPECT_EQ(complaints.size(), 3u); // the huge file, then two bad lines

    std::string error;
    ASSERT_TRUE(
        saveSettings(folder.file("binary.ini"), Settings{false, Scale::Fit, 20, true}, error));
    complaints.clear();
    EXPECT_FALSE(loadSettings(folder.file("binary.ini"), complaints).fullscreen);
    EXPECT_TRUE(complaints.empty());
    EXPECT_FALSE(saveSettings(folder.file("no/such/folder.ini"), Settings{}, error));
    EXPECT_FALSE(error.empty());
}
