// Reading the map's text: where each number lands, the bases, and what happens to files that
// end early or hold something that is no number.
#include <array>
#include <gtest/gtest.h>
#include <string>

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
}

TEST(TerrainReading, LineBreaksCarryNoMeaning) {
    Cells lines;
    Cells oneLine;
    read(fullMap("\n"), lines);
    read(fullMap(" "), oneLine);
    EXPECT_EQ(lines, oneLine);
    Cells oddSpacing;
    read("\t\r\n  " + fullMap("\r\n\v\f"), oddSpacing);
    EXPECT_EQ(lines, oddSpacing);
}

TEST(TerrainReading, BasesFollowTheLeadingCharacters) {
    // Octal, hexadecimal either case, a sign, zeros; "08" is an octal 0 ending before the 8,
    // which is the next number; "0xg" has no hexadecimal digit, so it is the 0 alone and
    // "xg" is no number.
    Cells cells;
    read("010 0x0A 0X1f +7 0 00 08 0xg", cells);
    const std::int32_t expected[] = {8, 10, 31, 7, 0, 0, 0, 8, 0, Unwritten};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(cells[(k % MapColumns) * MapRows + k / MapColumns], expected[k])
            << "number " << k;
    }
}

TEST(TerrainReading, ANumberEndsAtTheFirstCharacterThatIsNoDigitOrAfterFifteen) {
    Cells cells;
    const TerrainReading reading = read("12ab 5", cells);
    EXPECT_EQ(cells[0], 12);
    EXPECT_TRUE(reading.badNumber); // "ab" yields no digit
    EXPECT_EQ(reading.numbersRead, 1);

    // Fifteen zeros make one number; the sixteenth character starts the next.
    read("0000000000000007", cells);
    EXPECT_EQ(cells[0], 0);
    EXPECT_EQ(cells[1 * MapRows], 7);
}

TEST(TerrainReading, ShortFilesAndBadNumbersLeaveTheRestUnwritten) {
    Cells cells;
    for (const auto& [text, numbers, bad] :
         {std::tuple{"1 1 1", 3, false}, {"1 - 1", 1, true}, {"", 0, false}}) {
        const TerrainReading reading = read(text, cells);
        EXPECT_EQ(reading.numbersRead, numbers) << text;
        EXPECT_EQ(reading.badNumber, bad) << text;
        EXPECT_EQ(cells[numbers * MapRows], Unwritten) << text;
    }
}

TEST(TerrainReading, ValuesOutsideTheGroundRangeReadAsWater) {
    Cells cells;
    const TerrainReading reading = read("125 -1 124 0x7FFFFFFFFFFF 99999999999999", cells);
    EXPECT_EQ(reading.outOfRange, 4);
    const std::int32_t expected[] = {Ground::Water, Ground::Water, 124, Ground::Water,
                                     Ground::Water};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(cells[k * MapRows], expected[k]) << "number " << k;
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
