// The game palette: the default 3-3-2 palette, and the colour table of the palette file laid
// over it by the file's header rules.
#include <gtest/gtest.h>

#include "bitmap_file.h"
#include "display/palette_loader.h"
#include "support/temporary_folder.h"

namespace {

using platform::PaletteEntry;

std::vector<PaletteEntry> loaded(const char* path) {
    std::vector<PaletteEntry> entries(256);
    loadPaletteEntries(path, entries.data());
    return entries;
}

void expectEntry(const PaletteEntry& entry, int red, int green, int blue, int flags,
                 const std::string& what) {
    EXPECT_EQ(entry.red, red) << what;
    EXPECT_EQ(entry.green, green) << what;
    EXPECT_EQ(entry.blue, blue) << what;
    EXPECT_EQ(entry.flags, flags) << what;
}

class PaletteFile : public ::testing::Test {
protected:
    // Writes the file and returns the 256 entries loaded from it.
    std::vector<PaletteEntry> load(const std::string& bytes) {
        folder_.write("Data/Frame_Top.bmp", bytes);
        bytes_ = bytes;
        return loaded(folder_.file("Data/Frame_Top.bmp").c_str());
    }
    // The four file bytes that entry i was read from.
    const unsigned char* fileEntry(int i) const {
        return reinterpret_cast<const unsigned char*>(bytes_.data()) + 54 + 4 * i;
    }

    TemporaryFolder folder_;
    std::string bytes_;
};

TEST(DefaultPalette, SpreadsThreeBitsOfRedAndGreenAndTwoOfBlue) {
    const auto entries = loaded(nullptr);
    expectEntry(entries[0], 0, 0, 0, 0, "entry 0");
    expectEntry(entries[254], 255, 255, 170, 0, "entry 254");
    expectEntry(entries[255], 255, 255, 255, 0, "entry 255");
    expectEntry(entries[0b01110101], 109, 182, 85, 0, "red 3, green 5, blue 1");
    EXPECT_EQ(loaded("Data/NoSuchFile.bmp")[254].blue, 170) << "a missing file keeps the default";
}

TEST_F(PaletteFile, AllColoursOfAnEightBitFileComeBackInRedGreenBlueOrder) {
    BitmapLayout layout;
    layout.colourTable = testColours();
    const auto entries = load(bitmapFile(layout));
    for (int i = 0; i < 256; ++i) {
        const platform::Rgb colour = testColours()[i];
        expectEntry(entries[i], colour.red, colour.green, colour.blue, 0,
                    "entry " + std::to_string(i));
    }
}

TEST_F(PaletteFile, OnlyTheUsedColoursAreSwappedAndTheRestIsReadAsItLies) {
    BitmapLayout layout;
    layout.bitCount = 4;
    layout.coloursUsed = 16;
    layout.width = 400; // pixels enough to fill the rest of the table
    layout.height = 6;
    const std::vector<platform::Rgb> colours = testColours();
    layout.colourTable.assign(colours.begin(), colours.begin() + 16);
    layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x * 7 + y) % 16); };
    const auto entries = load(bitmapFile(layout));
    for (int i = 0; i < 16; ++i) {
        expectEntry(entries[i], testColours()[i].red, testColours()[i].green, testColours()[i].blue,
                    0, "entry " + std::to_string(i));
    }
    for (int i = 16; i < 256; ++i) {
        const unsigned char* raw = fileEntry(i);
        expectEntry(entries[i], raw[0], raw[1], raw[2], raw[3], "entry " + std::to_string(i));
    }
}

TEST_F(PaletteFile, ATrueColourFileGivesItsBytesUnswapped) {
    BitmapLayout layout;
    layout.bitCount = 24;
    layout.width = 40;
    layout.height = 10;
    layout.pixel = [](int x, int y) {
        return static_cast<std::uint32_t>(x * 0x010203 + y * 0x300000);
    };
    const auto entries = load(bitmapFile(layout));
    for (int i = 0; i < 256; ++i) {
        const unsigned char* raw = fileEntry(i);
        expectEntry(entries[i], raw[0], raw[1], raw[2], raw[3], "entry " + std::to_string(i));
    }
}

TEST_F(PaletteFile, AShortFileKeepsTheDefaultPastItsEndWithRedAndBlueSwapped) {
    BitmapLayout layout;
    layout.colourTable = testColours();
    const auto entries = load(bitmapFile(layout).substr(0, 54 + 4 * 10));
    expectEntry(entries[9], testColours()[9].red, testColours()[9].green, testColours()[9].blue, 0,
                "entry 9");
    expectEntry(entries[254], 170, 255, 255, 0, "entry 254");
}

} // namespace
