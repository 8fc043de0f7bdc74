// The map inside the game: "Terrain.dat" from the working directory, a clear line for every
// kind of bad file, and every access off the grid answering Water and dropping writes.
#include <gtest/gtest.h>
#include <string>

#include "platform/headless/headless.h"
#include "shell/game.h"
#include "support/headless_game.h"
#include "support/temporary_folder.h"

namespace {

std::string lastLine() {
    const auto& lines = headless::debugLines();
    return lines.empty() ? std::string() : lines.back();
}

// Constructs a game in a folder holding the given "Terrain.dat" (none when absent).
struct MapFixture {
    explicit MapFixture(const std::string* terrain) {
        if (terrain != nullptr) {
            folder.write("Terrain.dat", *terrain);
        }
        session = std::make_unique<HeadlessGame>(folder.path());
        game = &session->construct();
    }
    TemporaryFolder folder;
    std::unique_ptr<HeadlessGame> session;
    Game* game = nullptr;
};

std::string mapText(int count, const std::string& number) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        text += number + (k % MapColumns == MapColumns - 1 ? "\n" : " ");
    }
    return text;
}

} // namespace

TEST(GameMap, AWholeFileFillsTheGroundAndEmptiesTheStructures) {
    const std::string terrain = mapText(CellCount, "1");
    MapFixture fixture(&terrain);
    EXPECT_TRUE(headless::debugLines().empty());
    for (std::int32_t cell : fixture.game->groundTiles) {
        ASSERT_EQ(cell, Grass);
    }
    for (std::int32_t cell : fixture.game->structureTiles) {
        ASSERT_EQ(cell, Empty);
    }
}

TEST(GameMap, BadFilesStartTheGameWithWaterAndOneClearLine) {
    {
        MapFixture missing(nullptr);
        EXPECT_EQ(missing.game->groundTiles[0], Water);
        EXPECT_NE(lastLine().find("Terrain.dat: cannot be opened"), std::string::npos);
        EXPECT_EQ(headless::debugLines().size(), 1u);
    }
    {
        const std::string terrain = mapText(300, "1");
        MapFixture shortFile(&terrain);
        EXPECT_EQ(shortFile.game->groundTiles[cellIndex(299 % 217 * 32, 32)], Grass);
        EXPECT_EQ(shortFile.game->groundTiles[cellIndex(300 % 217 * 32, 32)], Water);
        EXPECT_NE(lastLine().find("holds only 300 of 46872 numbers"), std::string::npos);
    }
    {
        const std::string terrain = "1 1 grass 1";
        MapFixture badToken(&terrain);
        EXPECT_EQ(badToken.game->groundTiles[cellIndex(32, 0)], Grass);
        EXPECT_EQ(badToken.game->groundTiles[cellIndex(64, 0)], Water);
        EXPECT_NE(lastLine().find("number 3 is not a number"), std::string::npos);
    }
    {
        const std::string terrain = "7 300 " + mapText(CellCount - 2, "1");
        MapFixture outOfRange(&terrain);
        EXPECT_EQ(outOfRange.game->groundTiles[0], 7);
        EXPECT_EQ(outOfRange.game->groundTiles[MapRows], Water);
        EXPECT_NE(lastLine().find("1 numbers lie outside 0..124"), std::string::npos);
    }
}

TEST(GameMap, AccessOffTheGridReadsWaterAndDropsWrites) {
    const std::string terrain = mapText(CellCount, "1");
    MapFixture fixture(&terrain);
    Game& game = *fixture.game;
    EXPECT_EQ(game.groundAt(0, 0), Grass);
    EXPECT_EQ(game.groundAt(-31, -31), Grass); // still column 0 and row 0
    EXPECT_EQ(game.groundAt(-32, 0), Water);
    EXPECT_EQ(game.groundAt(0, -32), Water);
    EXPECT_EQ(game.groundAt(216 * 32 + 31, 215 * 32 + 31), Grass);
    EXPECT_EQ(game.groundAt(217 * 32, 0), Water);
    EXPECT_EQ(game.groundAt(0, 216 * 32), Water);
    EXPECT_EQ(game.groundAt(2000000000, -2000000000), Water);

    game.setStructureAt(217 * 32, 5, Tepee);
    game.setStructureAt(5, 216 * 32, Tepee);
    game.setStructureAt(-40, 5, Tepee);
    for (std::int32_t cell : game.structureTiles) {
        ASSERT_EQ(cell, Empty);
    }
    EXPECT_EQ(game.structureAt(217 * 32, 5), Empty);
    game.setStructureAt(6400, 640, FarmHouse);
    EXPECT_EQ(game.structureTiles[43220], FarmHouse);
    EXPECT_EQ(game.structureAt(6431, 671), FarmHouse);
}
