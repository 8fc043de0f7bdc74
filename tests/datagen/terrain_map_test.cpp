// Building the map: ponds ringed by the right bank pieces, rivers opening into lakes, water
// that runs off the map's edge, buildings, and the text the game reads.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "datagen/terrain_map.h"
#include "datagen/waters.h"

namespace {

TEST(TerrainMap, PondIsRingedByBanksWithEachCornerInItsPlace) {
    datagen::TerrainMap map;
    map.addWater(10, 20, 13, 22);
    const int expected[3][4] = {
        {TopLftBank, TopBank, TopBank, TopRhtBank},
        {LeftBank, Water, Water, RightBank},
        {BotLftBank, BottomBank, BottomBank, BotRhtBank},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(map.at(10 + column, 20 + row), expected[row][column]) << column << "," << row;
        }
    }
    EXPECT_EQ(map.at(9, 20), Grass);
    EXPECT_EQ(map.at(14, 22), Grass);
    EXPECT_EQ(map.at(10, 23), Grass);
}

TEST(TerrainMap, WaterRunsOffTheMapWithoutABankAtTheEdge) {
    datagen::TerrainMap map;
    map.addWater(0, 0, 2, 2);                                               // the top-left corner
    map.addWater(MapColumns - 2, MapRows - 3, MapColumns - 1, MapRows - 1); // the bottom-right
    EXPECT_EQ(map.at(0, 0), Water);
    EXPECT_EQ(map.at(2, 0), RightBank);
    EXPECT_EQ(map.at(0, 2), BottomBank);
    EXPECT_EQ(map.at(2, 2), BotRhtBank);
    EXPECT_EQ(map.at(MapColumns - 2, MapRows - 3), TopLftBank);
    EXPECT_EQ(map.at(MapColumns - 1, MapRows - 3), TopBank);
    EXPECT_EQ(map.at(MapColumns - 2, MapRows - 1), LeftBank);
    EXPECT_EQ(map.at(MapColumns - 1, MapRows - 1), Water);
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
        {15, 11, Water},      {14, 11, Water},      {20, 4, Water},       // one body of water
        {15, 10, TopBank},    {15, 12, BottomBank}, {15, 13, RightBank},  // banks along the river
        {9, 9, TopLftBank},   {15, 9, TopRhtBank},  {19, 3, TopLftBank},  // round corners
        {21, 12, BotRhtBank}, {19, 8, LeftBank},    {21, 8, RightBank},   // the bend
        {12, 14, Water},      {9, 14, LeftBank},    {12, 17, BottomBank}, // pinched row floods
        {12, 9, TopBank},     {16, 9, Grass},       {9, 18, Grass},
        {19, 10, TopBank}, // an inner corner has no piece of its own: the bank runs on
    };
    for (const auto& cell : cells) {
        EXPECT_EQ(map.at(cell.column, cell.row), cell.value) << cell.column << "," << cell.row;
    }
}

TEST(TerrainMap, BuildingHasRoofRowsOverItsWall) {
    datagen::TerrainMap map;
    map.addBuilding(5, 5, 7, 7);
    for (int column = 5; column <= 7; ++column) {
        EXPECT_EQ(map.at(column, 5), Buinldinm_Top);
        EXPECT_EQ(map.at(column, 6), Buinldinm_Top);
        EXPECT_EQ(map.at(column, 7), Building);
    }
    EXPECT_TRUE(map.all(5, 5, 7, 6, Buinldinm_Top));
    EXPECT_FALSE(map.all(5, 5, 7, 7, Buinldinm_Top));
    EXPECT_FALSE(map.all(-1, 0, 3, 3, Grass)) << "off the map is never all grass";
}

TEST(TerrainMap, TextListsRowsTopFirstWestToEast) {
    datagen::TerrainMap map;
    map.set(1, 0, 7);
    map.set(0, 1, 9);
    map.set(MapColumns, 0, 3); // off the map: ignored
    std::istringstream lines(map.text());
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        std::istringstream numbers(line);
        int value = 0;
        int count = 0;
        while (numbers >> value) {
            if (rows == 0 && count == 1) {
                EXPECT_EQ(value, 7);
            } else if (rows == 1 && count == 0) {
                EXPECT_EQ(value, 9);
            } else {
                EXPECT_EQ(value, Grass);
            }
            ++count;
        }
        EXPECT_EQ(count, MapColumns);
        ++rows;
    }
    EXPECT_EQ(rows, MapRows);
}

} // namespace
