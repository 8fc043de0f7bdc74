// The bitmap reader and the copy of pictures onto the display's 8-bit surfaces.
#include <gtest/gtest.h>

#include "bitmap_file.h"
#include "formats/image.h"

namespace {

using platform::Rgb;

std::unique_ptr<platform::Image> decode(const std::string& file) {
    return platform::decodeBitmap(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
}

// A 5 x 3 picture whose pixel (x, y) has index 10 * y + x.
BitmapLayout numbered() {
    BitmapLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.colourTable = testColours();
    layout.pixel = [](int x, int y) { return static_cast<std::uint32_t>(10 * y + x); };
    return layout;
}

platform::Palette testPalette() {
    std::vector<platform::PaletteEntry> entries;
    for (const Rgb& colour : testColours()) {
        entries.push_back({colour.red, colour.green, colour.blue, 0});
    }
    return platform::Palette(entries.data());
}

TEST(BitmapReader, ReadsEveryDepthStoredEitherWayUp) {
    for (const int bitCount : {1, 4, 8, 16, 24, 32}) {
        for (const bool topDown : {false, true}) {
            // Eleven pixels leave the last byte of a short row unfilled; each row has a
            // pattern of its own, so rows read in the wrong order show. Indices count down
            // from the highest one; colours have full channels, exact in 5-5-5 too.
            const bool indexed = bitCount <= 8;
            const std::uint32_t top = indexed ? (1u << bitCount) - 1 : 0;
            BitmapLayout layout;
            layout.width = 11;
            layout.height = 3;
            layout.bitCount = bitCount;
            layout.topDown = topDown;
            layout.colourTable.assign(indexed ? top + 1 : 0, Rgb{});
            layout.pixel = [indexed, top](int x, int y) {
                const auto k = static_cast<std::uint32_t>(x / (y + 1));
                return indexed
                           ? top - k % (top + 1)
                           : (k & 1 ? 0xFF0000u : 0) | (k & 2 ? 0xFF00u : 0) | (k & 4 ? 0xFFu : 0);
            };
            const auto image = decode(bitmapFile(layout));
            ASSERT_NE(image, nullptr) << bitCount;
            ASSERT_EQ(image->palettised(), indexed) << bitCount;
            EXPECT_EQ(image->width, 11);
            EXPECT_EQ(image->height, 3);
            EXPECT_EQ(image->colourTable.size(), layout.colourTable.size());
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < 11; ++x) {
                    const std::uint32_t v = layout.pixel(x, y);
                    const Rgb colour{static_cast<std::uint8_t>(v >> 16),
                                     static_cast<std::uint8_t>(v >> 8 & 0xFF),
                                     static_cast<std::uint8_t>(v & 0xFF)};
                    EXPECT_TRUE(indexed ? image->indices[y * 11 + x] == v
                                        : image->pixels[y * 11 + x] == colour)
                        << bitCount << " bits, " << (topDown ? "top-down " : "") << x << "," << y;
                }
            }
        }
    }
}

TEST(BitmapReader, ReadsRunLengthPictures) {
    // 4 x 3, bottom row first: a run of four 7s; a literal run 1 2 3 and a jump to the next
    // line; then the end of the picture before the top row.
    BitmapLayout layout = numbered();
    layout.width = 4;
    std::string file = bitmapFile(layout);
    file.resize(file.size() - 12);
    file += std::string("\x04\x07\x00\x00\x00\x03\x01\x02\x03\x00\x00\x00\x00\x01", 14);
    file[30] = 1; // compression: run-length, 8 bits
    const auto image = decode(file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->indices, (std::vector<std::uint8_t>{0, 0, 0, 0, 1, 2, 3, 0, 7, 7, 7, 7}));
}

// What is no bitmap the reader knows, cut short, or a header that announces more picture than
// the file holds: the reader sets nothing aside for pixels the file cannot describe (255 for
// every byte of run-length commands), and nothing beyond 4096 x 4096 at all.
TEST(BitmapReader, RefusesWhatIsNoBitmapItKnowsOrLargerThanItsFileOrTheGameAllows) {
    const std::string good = bitmapFile(numbered()); // 1,078 bytes of headers, 24 of pixels
    EXPECT_NE(decode(good), nullptr);
    for (const std::string& cut :
         {std::string(), std::string("BM"), good.substr(0, 60), good.substr(0, good.size() - 8)}) {
        EXPECT_EQ(decode(cut), nullptr) << "cut after " << cut.size() << " bytes";
    }
    for (const auto& [at, byte] : {std::pair{0, 'X'}, {28, '\x07'}}) { // not "BM"; 7 bits
        std::string bad = good;
        bad[at] = byte;
        EXPECT_EQ(decode(bad), nullptr) << "byte " << at;
    }
    // Compression (0 none, 1 and 2 run-length), width, height, zero bytes added, accepted.
    const std::tuple<int, std::int32_t, std::int32_t, std::size_t, bool> pictures[] = {
        {0, 0x7F000005, 3, 0, false}, {0, 5, 0, 0, false},       {0, 4096, 4096, 0, false},
        {0, 5, 1 << 30, 0, false},    {0, 1 << 30, 3, 0, false}, {0, 9, 3, 0, false},
        {0, -1, 3, 0, false},         {0, 4097, 1, 8192, false}, {0, 1, 4097, 20000, false},
        {1, 4096, 4096, 0, false},    {1, 80, 80, 0, false},     {2, 6121, 1, 0, false},
        {1, 2000, 2000, 8000, false}, {1, 2040, 3, 0, true}};
    for (const auto& [compression, width, height, extra, accepted] : pictures) {
        std::string file = good + std::string(extra, '\0');
        for (const auto& [at, value] : {std::pair{18, width}, {22, height}, {30, compression}}) {
            for (int i = 0; i < 4; ++i) {
                file[at + i] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
            }
        }
        file[28] = compression == 2 ? 4 : 8;
        EXPECT_EQ(decode(file) != nullptr, accepted)
            << compression << ": " << width << " x " << height << " in " << file.size();
    }
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
    layout.colourTable.assign(gameColours.rbegin(), gameColours.rend());
    layout.colourTable[3] = {114, 116, 115}; // nearest to the panel grey, index 1
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
