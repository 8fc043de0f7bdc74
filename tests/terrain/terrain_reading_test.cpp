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

TEST(TerrainReading, NumbersFillTheMapRowByRowIntoColumnMajorCells) {
    Cells cells;
    const TerrainReading reading = read(fullMap("\n"), cells);
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
    Cells cells;
    read("010 0x0A 0X1f +7 0 00 08 0xg", cells);
    const auto at = [&](int k) { return cells[(k % MapColumns) * MapRows + k / MapColumns]; };
    EXPECT_EQ(at(0), 8);  // octal
    EXPECT_EQ(at(1), 10); // hexadecimal
    EXPECT_EQ(at(2), 31);
    EXPECT_EQ(at(3), 7);
    EXPECT_EQ(at(4), 0);
    EXPECT_EQ(at(5), 0);
    // "08": the octal number ends before the 8, which is the next number.
    EXPECT_EQ(at(6), 0);
    EXPECT_EQ(at(7), 8);
    // "0xg": no hexadecimal digit follows, so the number is the 0 alone; "xg" is no number.
    EXPECT_EQ(at(8), 0);
    EXPECT_EQ(at(9), Unwritten);
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
    TerrainReading reading = read("1 1 1", cells);
    EXPECT_EQ(reading.numbersRead, 3);
    EXPECT_FALSE(reading.badNumber);
    EXPECT_EQ(cells[3 * MapRows], Unwritten);

    reading = read("1 - 1", cells);
    EXPECT_EQ(reading.numbersRead, 1);
    EXPECT_TRUE(reading.badNumber);
    EXPECT_EQ(cells[1 * MapRows], Unwritten);

    reading = read("", cells);
    EXPECT_EQ(reading.numbersRead, 0);
    EXPECT_EQ(cells[0], Unwritten);
}

TEST(TerrainReading, ValuesOutsideTheGroundRangeReadAsWater) {
    Cells cells;
    const TerrainReading reading = read("125 -1 124 0x7FFFFFFFFFFF 99999999999999", cells);
    EXPECT_EQ(reading.outOfRange, 4);
    EXPECT_EQ(cells[0 * MapRows], Water);
    EXPECT_EQ(cells[1 * MapRows], Water);
    EXPECT_EQ(cells[2 * MapRows], 124);
    EXPECT_EQ(cells[3 * MapRows], Water);
    EXPECT_EQ(cells[4 * MapRows], Water);
}

TEST(TerrainReading, NumbersBeyondTheMapAreIgnored) {
    Cells cells;
    const TerrainReading reading = read(fullMap("\n") + " 5 6 7 junk", cells);
    EXPECT_EQ(reading.numbersRead, CellCount);
    EXPECT_FALSE(reading.badNumber);
}

TEST(Terrain, BlockingGroundAndCellIndex) {
    for (std::int32_t value = -2; value <= 130; ++value) {
        const bool blocks = value == 0 || (value >= 2 && value <= 11) || value == 13;
        EXPECT_EQ(blocksMovement(value), blocks) << value;
    }
    EXPECT_FALSE(blocksMovement(DropBomb));
    EXPECT_TRUE(blocksMovement(Collumn));
    EXPECT_TRUE(blocksMovement(Buinldinm_Top));
    EXPECT_EQ(cellIndex(6400, 640), 43220);
    EXPECT_EQ(cellIndex(-1, 5), 0); // truncation toward zero: x = -1 is column 0
}
