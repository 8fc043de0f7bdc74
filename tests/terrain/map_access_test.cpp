// The map inside the game: "Terrain.dat" from the working directory, a clear line for every
// kind of bad file, and every access off the grid answering Water and dropping writes.
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "platform/headless/headless.h"
#include "shell/game.h"
#include "support/headless_game.h"
#include "support/temporary_folder.h"

namespace {

// A "Terrain.dat" that is a folder.
const std::string AFolder = "<a folder>";

// Constructs a game in a folder holding the given "Terrain.dat" (none when absent).
struct MapFixture {
    explicit MapFixture(const std::optional<std::string>& terrain) {
        if (terrain == AFolder) {
            folder.write("Terrain.dat/inside", "1 1 1");
        } else if (terrain) {
            folder.write("Terrain.dat", *terrain);
        }
        game = &session.construct();
    }
    TemporaryFolder folder;
    HeadlessGame session{folder.path()};
    Game* game = nullptr;
};

std::string mapText(int count, const std::string& number) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        text += number + (k % MapColumns == MapColumns - 1 ? "\n" : " ");
    }
    return text;
}

// The cell that the k-th number of the file fills.
int cellOfNumber(int k) {
    return (k % MapColumns) * MapRows + k / MapColumns;
}

} // namespace

TEST(GameMap, BadFilesStartTheGameWithWaterAndOneClearLine) {
    // The file, the last number read with its value, the first number left as Water, the line,
    // in the same words on every system.
    const std::tuple<std::optional<std::string>, int, std::int32_t, int, const char*> files[] = {
        {std::nullopt, -1, 0, 0, "Terrain.dat: cannot be opened (missing)"},
        {AFolder, -1, 0, 0, "Terrain.dat: cannot be opened (a folder, not a regular file)"},
        {mapText(300, "1"), 299, Ground::Grass, 300, "holds only 300 of 46872 numbers"},
        {"1 1 grass 1", 1, Ground::Grass, 2, "number 3 is not a number"},
        {"7 300 " + mapText(CellCount - 2, "1"), 0, 7, 1, "1 numbers lie outside 0..124"}};
    for (const auto& [terrain, read, value, water, line] : files) {
        MapFixture fixture(terrain);
        if (read >= 0) {
            EXPECT_EQ(fixture.game->groundTiles[cellOfNumber(read)], value) << line;
        }
        EXPECT_EQ(fixture.game->groundTiles[cellOfNumber(water)], Ground::Water) << line;
        ASSERT_EQ(headless::debugLines().size(), 1u) << line;
        EXPECT_NE(headless::debugLines()[0].find(line), std::string::npos)
            << headless::debugLines()[0];
    }
}

TEST(GameMap, AWholeFileFillsTheGroundAndAccessOffTheGridReadsWaterAndDropsWrites) {
    MapFixture fixture(mapText(CellCount, "1"));
    Game& game = *fixture.game;
    EXPECT_TRUE(headless::debugLines().empty());
    for (std::int32_t cell : game.groundTiles) {
        ASSERT_EQ(cell, Ground::Grass);
    }
    // (-31, -31) is still column 0 and row 0.
    for (const auto& [x, y, ground] : {std::tuple{0, 0, Ground::Grass},
                                       {-31, -31, Ground::Grass},
                                       {216 * 32 + 31, 215 * 32 + 31, Ground::Grass},
                                       {-32, 0, Ground::Water},
                                       {0, -32, Ground::Water},
                                       {217 * 32, 0, Ground::Water},
                                       {0, 216 * 32, Ground::Water},
                                       {2000000000, -2000000000, Ground::Water}}) {
        EXPECT_EQ(game.groundAt(x, y), ground) << x << "," << y;
    }

    game.setStructureAt(217 * 32, 5, Structure::Tepee);
    game.setStructureAt(5, 216 * 32, Structure::Tepee);
    game.setStructureAt(-40, 5, Structure::Tepee);
    for (std::int32_t cell : game.structureTiles) {
        ASSERT_EQ(cell, Structure::Empty);
    }
    EXPECT_EQ(game.structureAt(217 * 32, 5), Structure::Empty);
    game.setStructureAt(6400, 640, Structure::FarmHouse);
    EXPECT_EQ(game.structureTiles[43220], Structure::FarmHouse);
    EXPECT_EQ(game.structureAt(6431, 671), Structure::FarmHouse);
}
