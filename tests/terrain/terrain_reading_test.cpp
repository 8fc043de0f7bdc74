// Reading the map's text: where each number lands, the bases, and what happens to files that
// end early or hold something that is no number.
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "world/terrain.h"

namespace {

using Cells = std::array<std::int32_t, CellCount>;

// Cells start as a marker so that unwritten ones show.
constexpr std::int32_t Unwritten = 99;

TerrainReading read(const std::string& text, Cells& cells) {
    cells.fill(Unwritten);
    return readTerrain(text.data(), text.size(), cells.data());
}

std::string fullMap(const std::string& separatorEveryRow) {
    std::string text;
    for (int k = 0; k < CellCount; ++k) {
        text += std::to_string(k % 125);
        text += (k % MapColumns == MapColumns - 1) ? separatorEveryRow : " ";
    }
    return text;
}

} // namespace

TEST(TerrainReading, NumbersFillTheMapRowByRowIntoColumnMajorCellsAndTheRestIsIgnored) {
    Cells cells;
    const TerrainReading reading = read(fullMap("\n") + " 5 6 7 junk", cells);
    EXPECT_EQ(reading.numbersRead, CellCount);
    EXPECT_FALSE(reading.badNumber);
    EXPECT_EQ(reading.outOfRange, 0);
    for (int k : {0, 1, 216, 217, 218, 4557, 46871}) {
        const int column = k % MapColumns;
        const int row = k / MapColumns;
        EXPECT_EQ(cells[column * MapRows + row], k % 125) << "number " << k;
    }
    // Line breaks carry no meaning, nor does any other white space.
    for (const std::string& spacing : {std::string(" "), std::string("\r\n\v\f")}) {
        Cells other;
        read("\t\r\n  " + fullMap(spacing), other);
        EXPECT_EQ(other, cells);
    }
}

// How each number is read: its base from its leading characters ("08" is an octal 0 and then
// an 8; "0xg" is a 0 and then "xg", no number), its end at the first character that is no digit
// or after fifteen characters, and Water for a value outside the ground's range. The reading
// stops at the first thing that is no number, and cells past the last number stay unwritten.
TEST(TerrainReading, NumbersTakeTheirBaseAndEndAndOnlyGroundValuesStand) {
    constexpr std::int32_t W = Ground::Water;
    const struct {
        const char* text;
        std::vector<std::int32_t> cells; // of the first numbers, then the first unwritten one
        int numbers;
        bool bad;
        int outOfRange;
    } files[] = {
        {"010 0x0A 0X1f +7 0 00 08 0xg", {8, 10, 31, 7, 0, 0, 0, 8, 0, Unwritten}, 9, true, 0},
        {"12ab 5", {12, Unwritten}, 1, true, 0},
        {"0000000000000007", {0, 7, Unwritten}, 2, false, 0},
        {"1 1 1", {1, 1, 1, Unwritten}, 3, false, 0},
        {"1 - 1", {1, Unwritten}, 1, true, 0},
        {"", {Unwritten}, 0, false, 0},
        {"125 -1 124 0x7FFFFFFFFFFF 99999999999999", {W, W, 124, W, W, Unwritten}, 5, false, 4},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.text);
        Cells cells;
        const TerrainReading reading = read(file.text, cells);
        EXPECT_EQ(reading.numbersRead, file.numbers);
        EXPECT_EQ(reading.badNumber, file.bad);
        EXPECT_EQ(reading.outOfRange, file.outOfRange);
        for (int k = 0; k < static_cast<int>(file.cells.size()); ++k) {
            EXPECT_EQ(cells[(k % MapColumns) * MapRows + k / MapColumns], file.cells[k]) << k;
        }
    }
}

TEST(Terrain, BlockingGroundAndCellIndex) {
    // Water, the banks, the buildings and columns block; all else, and what is no ground, not.
    for (const std::int32_t value : {Ground::Water, Ground::LeftBank, Ground::TopLftBank,
                                     Ground::Building, Ground::Collumn, Ground::Buinldinm_Top}) {
        EXPECT_TRUE(blocksMovement(value)) << value;
    }
    for (const std::int32_t value : std::initializer_list<std::int32_t>{
             Ground::Grass, Ground::DropBomb, Ground::Blast, Ground::Burnt, Ground::Target001,
             Ground::LastTarget, -1, 125}) {
        EXPECT_FALSE(blocksMovement(value)) << value;
    }
    EXPECT_EQ(cellIndex(6400, 640), 43220);
    EXPECT_EQ(cellIndex(-1, 5), 0); // truncation toward zero: x = -1 is column 0
}
