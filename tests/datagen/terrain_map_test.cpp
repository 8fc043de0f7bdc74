// Building the map: ponds ringed by the right bank pieces, rivers opening into lakes, water
// that runs off the map's edge, and buildings. The text the game reads is pinned byte for byte
// by the golden replays' data hash.
#include <gtest/gtest.h>

#include <string>

#include "datagen/terrain_map.h"
#include "datagen/waters.h"

namespace {

TEST(TerrainMap, PondIsRingedByBanksWithEachCornerInItsPlace) {
    datagen::TerrainMap map;
    map.addWater(10, 20, 13, 22);
    const int expected[3][4] = {
        {Ground::TopLftBank, Ground::TopBank, Ground::TopBank, Ground::TopRhtBank},
        {Ground::LeftBank, Ground::Water, Ground::Water, Ground::RightBank},
        {Ground::BotLftBank, Ground::BottomBank, Ground::BottomBank, Ground::BotRhtBank},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(map.at(10 + column, 20 + row), expected[row][column]) << column << "," << row;
        }
    }
    EXPECT_EQ(map.at(9, 20), Ground::Grass);
    EXPECT_EQ(map.at(14, 22), Ground::Grass);
    EXPECT_EQ(map.at(10, 23), Ground::Grass);
}

TEST(TerrainMap, WaterRunsOffTheMapWithoutABankAtTheEdge) {
    datagen::TerrainMap map;
    map.addWater(0, 0, 2, 2);                                               // the top-left corner
    map.addWater(MapColumns - 2, MapRows - 3, MapColumns - 1, MapRows - 1); // the bottom-right
    EXPECT_EQ(map.at(0, 0), Ground::Water);
    EXPECT_EQ(map.at(2, 0), Ground::RightBank);
    EXPECT_EQ(map.at(0, 2), Ground::BottomBank);
    EXPECT_EQ(map.at(2, 2), Ground::BotRhtBank);
    EXPECT_EQ(map.at(MapColumns - 2, MapRows - 3), Ground::TopLftBank);
    EXPECT_EQ(map.at(MapColumns - 1, MapRows - 3), Ground::TopBank);
    EXPECT_EQ(map.at(MapColumns - 2, MapRows - 1), Ground::LeftBank);
    EXPECT_EQ(map.at(MapColumns - 1, MapRows - 1), Ground::Water);
}

TEST(Waters, RiverOpensIntoItsLakeAndPinchedLandFloods) {
    // A lake in columns 10..14, rows 10..13; a river coming down column 20 and turning west
    // along row 11 into the lake's east side; a second lake one row below the first.
    datagen::Waters waters;
    waters.lake(10, 10, 14, 13);
    waters.river({{20, 4}, {20, 11}, {15, 11}}, 1);
    waters.lake(10, 15, 14, 16);
    datagen::TerrainMap map;
    waters.drawOn(map);
    const struct {
        int column, row, value;
    } cells[] = {
        // clang-format off
        {15, 11, Ground::Water}, {14, 11, Ground::Water}, {20, 4, Ground::Water}, // one body
        {15, 10, Ground::TopBank}, {15, 12, Ground::BottomBank},
        {15, 13, Ground::RightBank}, // banks along the river
        {9, 9, Ground::TopLftBank}, {15, 9, Ground::TopRhtBank},
        {19, 3, Ground::TopLftBank}, // round corners
        {21, 12, Ground::BotRhtBank}, {19, 8, Ground::LeftBank},
        {21, 8, Ground::RightBank}, // the bend
        {12, 14, Ground::Water}, {9, 14, Ground::LeftBank},
        {12, 17, Ground::BottomBank}, // pinched row floods
        {12, 9, Ground::TopBank}, {16, 9, Ground::Grass}, {9, 18, Ground::Grass},
        // An inner corner has no piece of its own: the bank runs on.
        {19, 10, Ground::TopBank},
        // clang-format on
    };
    for (const auto& cell : cells) {
        EXPECT_EQ(map.at(cell.column, cell.row), cell.value) << cell.column << "," << cell.row;
    }
}

TEST(TerrainMap, BuildingHasRoofRowsOverItsWall) {
    datagen::TerrainMap map;
    map.addBuilding(5, 5, 7, 7);
    for (int column = 5; column <= 7; ++column) {
        EXPECT_EQ(map.at(column, 5), Ground::Buinldinm_Top);
        EXPECT_EQ(map.at(column, 6), Ground::Buinldinm_Top);
        EXPECT_EQ(map.at(column, 7), Ground::Building);
    }
    EXPECT_TRUE(map.all(5, 5, 7, 6, Ground::Buinldinm_Top));
    EXPECT_FALSE(map.all(5, 5, 7, 7, Ground::Buinldinm_Top));
    EXPECT_FALSE(map.all(-1, 0, 3, 3, Ground::Grass)) << "off the map is never all grass";
}

} // namespace
