// The game palette: the default 3-3-2 palette, and the colour table of the palette file laid
// over it by the file's header rules.
#include <gtest/gtest.h>

#include <array>

#include "bitmap_file.h"
#include "display/palette_loader.h"
#include "support/temporary_folder.h"

namespace {

using Entry = std::array<int, 4>; // red, green, blue, flags

std::vector<Entry> loaded(const char* path) {
    platform::PaletteEntry entries[256];
    loadPaletteEntries(path, entries);
    std::vector<Entry> result;
    for (const platform::PaletteEntry& entry : entries) {
        result.push_back({entry.red, entry.green, entry.blue, entry.flags});
    }
    return result;
}

Entry testEntry(int i) {
    const platform::Rgb colour = testColours()[i];
    return {colour.red, colour.green, colour.blue, 0};
}

class PaletteFile : public ::testing::Test {
protected:
    std::vector<Entry> load(const std::string& bytes) {
        folder_.write("Data/Frame_Top.bmp", bytes);
        return loaded(folder_.file("Data/Frame_Top.bmp").c_str());
    }
    // The first `swapped` entries must be the test colours put back in red-green-blue order;
    // the rest of the 1024 bytes after the headers are taken as they lie.
    void expectLoaded(const BitmapLayout& layout, int swapped) {
        const std::string bytes = bitmapFile(layout);
        const auto entries = load(bytes);
        for (int i = 0; i < 256; ++i) {
            const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data()) + 54 + 4 * i;
            const Entry asRead{raw[0], raw[1], raw[2], raw[3]};
            EXPECT_EQ(entries[i], i < swapped ? testEntry(i) : asRead)
                << layout.bitCount << " bits, entry " << i;
        }
    }
    TemporaryFolder folder_;
};

TEST(DefaultPalette, SpreadsThreeBitsOfRedAndGreenAndTwoOfBlue) {
    const auto entries = loaded(nullptr);
    EXPECT_EQ(entries[0], (Entry{0, 0, 0, 0}));
    EXPECT_EQ(entries[254], (Entry{255, 255, 170, 0}));
    EXPECT_EQ(entries[255], (Entry{255, 255, 255, 0}));
    EXPECT_EQ(entries[0b01110101], (Entry{109, 182, 85, 0})) << "red 3, green 5, blue 1";
    EXPECT_EQ(loaded("Data/NoSuchFile.bmp"), entries) << "a missing file keeps the default";
}

TEST_F(PaletteFile, TheHeadersColourCountSaysHowManyEntriesHaveRedAndBlueSwapped) {
    BitmapLayout eight; // no colour count: all 256 of an 8-bit file
    eight.colourTable = testColours();
    expectLoaded(eight, 256);

    BitmapLayout sixteen; // 16 used of an 8-bit file, with pixels enough to fill the rest
    sixteen.coloursUsed = 16;
    sixteen.width = 400;
    sixteen.height = 3;
    sixteen.colourTable.assign(eight.colourTable.begin(), eight.colourTable.begin() + 16);
    sixteen.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x * 7 + y) % 16); };
    expectLoaded(sixteen, 16);

    BitmapLayout trueColour; // no colour table at all: nothing swapped
    trueColour.bitCount = 24;
    trueColour.width = 40;
    trueColour.height = 10;
    trueColour.pixel = [](int x, int y) {
        return static_cast<std::uint32_t>(x * 0x010203 + y * 0x300000);
    };
    expectLoaded(trueColour, 0);

    // A file cut short keeps the default past its end, with red and blue swapped all the same.
    const auto cut = load(bitmapFile(eight).substr(0, 54 + 4 * 10));
    EXPECT_EQ(cut[9], testEntry(9));
    EXPECT_EQ(cut[254], (Entry{170, 255, 255, 0}));
}

} // namespace
