// kestravan-sim as reviewers and scripts use it: its exit statuses, its script language and
// the state it dumps.
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <tuple>

#include "replay/state_dump.h"
#include "support/command.h"
#include "support/game_folder.h"
#include "support/temporary_folder.h"

namespace {

struct SimulatorRun {
    int status = -1;
    std::string output;
};

SimulatorRun simulate(const std::string& arguments) {
    const TemporaryFolder out;
    const int status = runCommand(quoted(KESTRAVAN_SIM) + " " + arguments + " > " +
                                  quoted(out.file("output")) + " 2>" + NullDevice);
    return {status, out.read("output")};
}

} // namespace

TEST(Simulator, DumpsThePlacementAfterSetUp) {
    ReadyFolder data;
    const SimulatorRun run = simulate("--data " + data.path() + " --frames 0 --dump -");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("\"frame\": 0,"), std::string::npos);
    EXPECT_NE(run.output.find("{\"x\": 832, \"y\": 1184, \"heading\": 0, \"step\": 1, "
                              "\"siteX\": 960, \"siteY\": 864,"),
              std::string::npos);
    const std::regex record("\"penned\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(run.output.begin(), run.output.end(), record),
                            std::sregex_iterator()),
              95);
    // The generator after the 380 draws of the placement.
    EXPECT_NE(run.output.find("\"rng\": 3066205357,"), std::string::npos);
    EXPECT_NE(run.output.find("\"exited\": false"), std::string::npos);
}

TEST(Simulator, ScriptsDriveTheGameAndItsClock) {
    ReadyFolder data;
    TemporaryFolder scripts;
    scripts.write("script", "# open the menu, then quit from it\n"
                            "2 keydown ESCAPE\n"
                            "3 mouse 500 300   # the cursor goes along\n"
                            "5 keydown 27\n");
    const SimulatorRun run = simulate("--data " + data.path() + " --frames 100 --script " +
                                      scripts.file("script") + " --dump -");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("\"frame\": 5,"), std::string::npos);
    EXPECT_NE(run.output.find("\"menuOpen\": true"), std::string::npos);
    EXPECT_NE(run.output.find("\"exited\": true"), std::string::npos);

    // The clock moves by the tick of each frame: two seconds of splash, then 10 + 100 + 10 ms.
    scripts.write("script", "2 tick 100\n");
    const SimulatorRun ticks =
        simulate("--data " + data.path() + " --frames 3 --tick-ms 10 --script " +
                 scripts.file("script") + " --dump -");
    ASSERT_EQ(ticks.status, 0);
    EXPECT_NE(ticks.output.find("\"tick\": 2120,"), std::string::npos);
}

TEST(Simulator, BadCommandLinesAndScriptsEndWithStatusTwoAndAFailedSetUpWithOne) {
    TemporaryFolder data; // no sounds: the game's clips cannot be made
    EXPECT_EQ(simulate("--data " + data.path() + " --frames 5 --dump -").status, 1);
    EXPECT_EQ(simulate("--frames").status, 2);
    EXPECT_EQ(simulate("--frames -4").status, 2);
    EXPECT_EQ(simulate("--bogus 1").status, 2);
    EXPECT_EQ(simulate("--data " + data.file("missing")).status, 2);
    for (const char* script : {"0 keydown LEFT\n", "3 jump\n", "3 keydown SPACEBAR\n",
                               "3 mouse 5\n", "3 ldown now\n", "x lup\n"}) {
        data.write("script", script);
        EXPECT_EQ(simulate("--data " + data.path() + " --script " + data.file("script")).status, 2)
            << script;
    }
}

// The data's fingerprint follows the files the game reads, wherever its folder lies.
TEST(Simulator, TheDataHashFollowsTheFilesTheGameReadsAlone) {
    const auto hashOf = [](const char* name, const char* bytes) {
        const TemporaryFolder folder;
        folder.write("Terrain.dat", "1 2 3");
        folder.write("Data/Cow.wav", "moo");
        folder.write(name, bytes);
        const WorkingDirectory inside(folder.path());
        return dataHash();
    };
    const std::string pinned = hashOf("Data/Cow.wav", "moo");
    EXPECT_EQ(pinned.size(), 16u);
    // A file written into the folder, and whether the hash stays.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"kestravan", "binary", true},   {"Data/Notes.txt", "x", true},
        {"Terrain.dat", "1 2 4", false}, {"Data/Cow.wav", "mo", false},
        {"Data/Farm.wav", "", false},
    };
    for (const auto& [name, bytes, same] : cases) {
        EXPECT_EQ(hashOf(name, bytes) == pinned, same) << name;
    }
}
