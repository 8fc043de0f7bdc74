// The bitmap reader and the copy of pictures onto the display's 8-bit surfaces.
#include <gtest/gtest.h>

#include "bitmap_file.h"
#include "platform/image.h"
#include "support/temporary_folder.h"

namespace {

using platform::Rgb;

std::unique_ptr<platform::Image> decode(const std::string& file) {
    return platform::decodeBitmap(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
}

// A 5 x 3 picture whose pixel (x, y) has index 10 * y + x.
BitmapLayout numbered(int bitCount = 8) {
    BitmapLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bitCount = bitCount;
    layout.colourTable = testColours();
    layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>(10 * y + x); };
    return layout;
}

platform::Palette testPalette() {
    return platform::Palette(testPaletteEntries().data());
}

TEST(BitmapReader, ReadsEightBitPicturesBottomUpAndTopDown) {
    for (const bool topDown : {false, true}) {
        BitmapLayout layout = numbered();
        layout.topDown = topDown;
        const auto image = decode(bitmapFile(layout));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->width, 5);
        EXPECT_EQ(image->height, 3);
        ASSERT_TRUE(image->palettised());
        EXPECT_EQ(image->colourTable.size(), 256u);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(image->indices[y * 5 + x], 10 * y + x) << x << "," << y;
            }
        }
    }
}

TEST(BitmapReader, ReadsOneAndFourBitIndicesLeftmostInTheHighBits) {
    for (const int bitCount : {1, 4}) {
        BitmapLayout layout;
        layout.width = 11; // a row that does not fill its last byte
        layout.height = 2;
        layout.bitCount = bitCount;
        layout.colourTable.assign(std::size_t{1} << bitCount, Rgb{});
        const std::uint32_t top = (1u << bitCount) - 1;
        layout.pixel = [top](int x, int y) { return (x + y) % 3 == 0 ? top : 0u; };
        const auto image = decode(bitmapFile(layout));
        ASSERT_NE(image, nullptr) << bitCount;
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 11; ++x) {
                EXPECT_EQ(image->indices[y * 11 + x], (x + y) % 3 == 0 ? top : 0u);
            }
        }
    }
}

TEST(BitmapReader, ReadsTrueColourPictures) {
    for (const int bitCount : {16, 24, 32}) {
        BitmapLayout layout;
        layout.width = 3;
        layout.height = 2;
        layout.bitCount = bitCount;
        layout.pixel = [](int x, int y) {
            return x == 0 ? 0xFF0000u : (y == 0 ? 0x00FF00u : 0x0000FFu);
        };
        const auto image = decode(bitmapFile(layout));
        ASSERT_NE(image, nullptr) << bitCount;
        EXPECT_FALSE(image->palettised());
        EXPECT_EQ(image->pixels[0], (Rgb{255, 0, 0}));
        EXPECT_EQ(image->pixels[1], (Rgb{0, 255, 0}));
        EXPECT_EQ(image->pixels[5], (Rgb{0, 0, 255}));
    }
}

TEST(BitmapReader, ReadsRunLengthPictures) {
    // 4 x 3, bottom row first: a run of four 7s; a literal run 1 2 3 and a jump to the next
    // line; then the end of the picture before the top row.
    BitmapLayout layout = numbered();
    layout.width = 4;
    layout.height = 3;
    std::string file = bitmapFile(layout);
    const std::string runs("\x04\x07\x00\x00\x00\x03\x01\x02\x03\x00\x00\x00\x00\x01", 14);
    file.resize(file.size() - 12);
    file += runs;
    file[30] = 1; // compression: run-length, 8 bits
    const auto image = decode(file);
    ASSERT_NE(image, nullptr);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 1, 2, 3, 0, 7, 7, 7, 7};
    EXPECT_EQ(image->indices, expected);
}

TEST(BitmapReader, RefusesWhatIsNoBitmapItKnows) {
    const std::string good = bitmapFile(numbered());
    EXPECT_NE(decode(good), nullptr);
    EXPECT_EQ(decode(""), nullptr);
    EXPECT_EQ(decode("BM"), nullptr);
    EXPECT_EQ(decode(good.substr(0, good.size() - 8)), nullptr) << "pixels cut short";
    EXPECT_EQ(decode(good.substr(0, 60)), nullptr) << "colour table cut short";
    std::string notBm = good;
    notBm[0] = 'X';
    EXPECT_EQ(decode(notBm), nullptr);
    std::string wrongDepth = good;
    wrongDepth[28] = 7;
    EXPECT_EQ(decode(wrongDepth), nullptr);
    std::string hugeWidth = good;
    hugeWidth[21] = 0x7F; // width 0x7F000005
    EXPECT_EQ(decode(hugeWidth), nullptr);
    std::string zeroHeight = good;
    zeroHeight[22] = 0;
    EXPECT_EQ(decode(zeroHeight), nullptr);
}

TEST(BitmapReader, LoadsFilesByTheGamesPathsAndMissesMissingOnes) {
    TemporaryFolder folder;
    folder.write("Data/Small.bmp", bitmapFile(numbered()));
    WorkingDirectory inside(folder.path());
    EXPECT_NE(platform::loadImage("Data\\Small.bmp"), nullptr);
    EXPECT_EQ(platform::loadImage("Data\\Missing.bmp"), nullptr);
    EXPECT_EQ(platform::loadImage("Data"), nullptr) << "a folder is no picture";
}

TEST(PictureCopy, KeepsTheIndicesOfAPictureInTheDisplayPalette) {
    const auto image = decode(bitmapFile(numbered()));
    ASSERT_NE(image, nullptr);
    platform::Surface surface(8, 4);
    surface.fill(99);
    copyImage(*image, surface, 8, 4, testPalette());
    EXPECT_EQ(surface.row(0)[0], 0);
    EXPECT_EQ(surface.row(2)[4], 24);
    // Only the picture's own pixels are copied.
    EXPECT_EQ(surface.row(0)[5], 99);
    EXPECT_EQ(surface.row(3)[0], 99);
    surface.fill(99);
    copyImage(*image, surface, 2, 1, testPalette());
    EXPECT_EQ(surface.row(0)[1], 1) << "the asked corner only";
    EXPECT_EQ(surface.row(0)[2], 99);
    EXPECT_EQ(surface.row(1)[0], 99);
}

TEST(PictureCopy, MapsOtherColoursToTheNearestPaletteEntry) {
    // The file's table has the game's colours in another order, and one colour that the
    // palette lacks.
    BitmapLayout layout = numbered();
    const std::vector<Rgb> gameColours = testColours();
    std::vector<Rgb> reversed(gameColours.rbegin(), gameColours.rend());
    reversed[3] = {114, 116, 115}; // nearest to the panel grey, index 1
    layout.colourTable = reversed;
    layout.pixel = [](int x, int) { return static_cast<std::uint32_t>(x == 0 ? 3 : 255 - x); };
    const auto image = decode(bitmapFile(layout));
    ASSERT_NE(image, nullptr);
    platform::Surface surface(5, 3);
    copyImage(*image, surface, 5, 3, testPalette());
    EXPECT_EQ(surface.row(0)[0], 1);
    for (int x = 1; x < 5; ++x) {
        EXPECT_EQ(surface.row(1)[x], x);
    }

    BitmapLayout trueColour;
    trueColour.width = 2;
    trueColour.bitCount = 24;
    trueColour.pixel = [](int x, int) { return x == 0 ? 0xFE00FEu : 0x730000u; };
    const auto colours = decode(bitmapFile(trueColour));
    ASSERT_NE(colours, nullptr);
    copyImage(*colours, surface, 2, 1, testPalette());
    EXPECT_EQ(surface.row(0)[0], 254);
    EXPECT_EQ(surface.row(0)[1], 2);
}

} // namespace
