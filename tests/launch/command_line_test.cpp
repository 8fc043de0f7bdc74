// The command line and the settings file: what each spelling sets, what is refused and why,
// and which of the two wins.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "launch/options.h"
#include "launch/settings.h"
#include "platform/headless/headless_state.h"
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

    // What the command line leaves out comes from the settings file.
    ASSERT_TRUE(parse({"--volume", "30"}, options = {}, error));
    const Settings saved = withOptions(Settings{false, Scale::Integer, 80, false}, options);
    EXPECT_FALSE(saved.fullscreen);
    EXPECT_EQ(saved.scale, Scale::Integer);
    EXPECT_EQ(saved.volume, 30);
    EXPECT_FALSE(saved.sound);
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

TEST(CommandLine, OptionsTheBackEndCannotOfferAreRefusedAndLeftOutOfTheHelp) {
    using platform::Feature;
    const std::vector<const char*> arguments = {"--volume", "30", "--scale=integer", "--windowed"};
    const int count = static_cast<int>(arguments.size());
    EXPECT_EQ(unofferedOption(count, arguments.data()), "");
    EXPECT_NE(usage().find("--scale"), std::string::npos);

    headless::state().lacking = {Feature::WindowModes, Feature::GameFolder};
    EXPECT_EQ(unofferedOption(count, arguments.data()), "--scale");
    const std::string help = usage();
    headless::state().lacking.clear();
    for (const char* gone : {"--windowed", "--fullscreen", "--scale", "--data", "Alt+Enter"}) {
        EXPECT_EQ(help.find(gone), std::string::npos) << gone;
    }
    for (const char* kept : {"--volume", "--no-sound", "--record", "--play", "--help", "F12"}) {
        EXPECT_NE(help.find(kept), std::string::npos) << kept;
    }
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
    EXPECT_EQ(loadSettings(folder.file("none.ini"), complaints).settings.volume, 100);
    EXPECT_TRUE(complaints.empty());

    folder.write("huge.ini", std::string(200 * 1024, 'x'));
    const char binary[] = "\0\xff\n\x1b[2J = 1\nvolume=3\r\n";
    folder.write("binary.ini", std::string(binary, sizeof binary - 1));
    mkfifo(folder.file("pipe.ini").c_str(), 0600);
    EXPECT_TRUE(loadSettings(folder.file("huge.ini"), complaints).ignored);
    EXPECT_TRUE(loadSettings(folder.file("pipe.ini"), complaints).ignored);
    const SettingsFile read = loadSettings(folder.file("binary.ini"), complaints);
    EXPECT_EQ(read.settings.volume, 3);
    ASSERT_EQ(complaints.size(), 4u); // the huge file, the pipe, then two bad lines
    EXPECT_EQ(complaints[3], "line 2: unknown setting '\\x1B[2j'"); // never the byte itself

    std::string error;
    Settings windowed = read.settings;
    windowed.fullscreen = false;
    ASSERT_TRUE(saveSettings(folder.file("binary.ini"), withMode(read.text, windowed), error));
    complaints.clear();
    EXPECT_FALSE(loadSettings(folder.file("binary.ini"), complaints).settings.fullscreen);
    EXPECT_EQ(complaints.size(), 2u); // the lines it does not understand are kept
    EXPECT_FALSE(saveSettings(folder.file("no/such/folder.ini"), "", error));
    EXPECT_FALSE(error.empty());
}

TEST(SettingsFile, ANewModeChangesOnlyTheModeLines) {
    const std::pair<std::string, std::string> rewrites[] = {
        {"", settingsText(Settings{false})},
        {"# mine\nvolume = 7 ; quiet\nmode = fullscreen    # how\nextra = 1\n",
         "# mine\nvolume = 7 ; quiet\nmode = windowed    # how\nextra = 1\n"},
        {"[Kestravan]\r\n  MODE=Bogus;x\r\nmode =\r\n",
         "[Kestravan]\r\n  MODE=windowed;x\r\nmode = windowed\r\n"},
        {"volume = 3", "volume = 3\nmode = windowed\n"},
        {"# mode = fullscreen\n[mode = x]\n", "# mode = fullscreen\n[mode = x]\nmode = windowed\n"},
    };
    for (const auto& [before, after] : rewrites) {
        EXPECT_EQ(withMode(before, Settings{false}), after) << before;
    }
}

TEST(SettingsFile, TheFileIsReplacedThroughANewFileOfAUniqueName) {
    TemporaryFolder folder;
    folder.write("kestravan.ini", "mode = fullscreen\n");
    folder.write("elsewhere", "kept");
    // A link planted where a fixed temporary name would be.
    std::filesystem::create_symlink(folder.file("elsewhere"), folder.file("kestravan.ini.new"));
    std::string error;
    ASSERT_TRUE(saveSettings(folder.file("kestravan.ini"), "mode = windowed\n", error)) << error;
    EXPECT_EQ(folder.read("elsewhere"), "kept");
    EXPECT_EQ(folder.read("kestravan.ini"), "mode = windowed\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}
