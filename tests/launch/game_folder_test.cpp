// Finding the game folder from wherever the game starts, and naming what a folder lacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "launch/data_folder.h"
#include "support/headless_game.h"
#include "support/temporary_folder.h"

TEST(GameFolder, OnlyAFolderHoldingAllTheDataIsChosen) {
    TemporaryFolder folder;
    folder.write("empty/readme.txt", "not a game");
    folder.write("mapped/Terrain.dat", "1 2 3");
    folder.write("pictured/Data/Cursor.bmp", "BM");
    folder.write("fake/Data", "a file, not a folder");
    const std::string whole = gameDataFolder();
    const std::pair<std::vector<std::string>, std::string> choices[] = {
        {{"empty", "fake", "mapped", "pictured", whole}, whole},
        {{"nowhere", whole, "mapped"}, whole},
        {{"", "empty", "fake", "mapped", "pictured"}, ""},
    };
    for (const auto& [names, chosen] : choices) {
        std::vector<std::string> places;
        for (const std::string& name : names) {
            places.push_back(name.empty() || name == whole ? name : folder.file(name));
        }
        EXPECT_EQ(chooseGameFolder(places), chosen) << names.front();
    }
}

TEST(GameFolder, AnInstallIsLookedForBesideTheExecutablesFolder) {
    const std::vector<std::string> expected = {
        "/home/p", "/opt/k/games/", "/opt/k/share/games/kestravan", "/usr/share/games/kestravan"};
    EXPECT_EQ(gameFolderPlaces("/home/p", "/opt/k/games/", "/usr/share/games/kestravan",
                               "../share/games/kestravan"),
              expected);
    const std::vector<std::string> unknown = {"/home/p", "/usr/share/kestravan"};
    EXPECT_EQ(gameFolderPlaces("/home/p", "", "/usr/share/kestravan", "../share/kestravan"),
              unknown);
}

TEST(GameFolder, EveryFileTheGameReadsIsNamedWhenMissing) {
    EXPECT_TRUE(missingGameFiles(gameDataFolder()).empty());
    TemporaryFolder folder;
    folder.write("Terrain.dat", "1");
    folder.write("Data/Wind.wav", "RIFF");
    const std::vector<std::string> missing = missingGameFiles(folder.path());
    // The two full-screen pictures, the six other sounds, every sprite (the palette's among them).
    ASSERT_EQ(missing.size(), 2u + 6 + 166);
    EXPECT_EQ(missing.front(), "Data/Frame_Top.bmp");
    EXPECT_EQ(std::count(missing.begin(), missing.end(), "Data/Wind.wav"), 0);
}
