// The bitmap and wave encoders: headers, padding and sample values exactly as a reader of
// those formats expects them.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "datagen/bmp_writer.h"
#include "datagen/wav_writer.h"

namespace {

using Numbers = std::vector<std::uint32_t>;

// The little-endian numbers of the file at each (offset, size).
Numbers numbersAt(const std::vector<std::uint8_t>& file,
                  std::initializer_list<std::pair<int, int>> fields) {
    Numbers numbers;
    for (const auto& [at, size] : fields) {
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = value << 8 | file.at(at + i);
        }
        numbers.push_back(value);
    }
    return numbers;
}

TEST(BitmapEncoding, PadsRowsToFourBytesAndStoresThemBottomUpAfterThePalette) {
    datagen::Canvas picture(5, 3, 7);
    picture.set(0, 0, 1); // top left
    picture.set(4, 2, 2); // bottom right
    const std::vector<std::uint8_t> file = datagen::encodeBitmap(picture);
    const std::uint32_t pixels = 14 + 40 + 1024;
    ASSERT_EQ(file.size(), pixels + 8 * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    // File size, pixel offset, header size, width, height (positive: bottom row first), bits.
    EXPECT_EQ(numbersAt(file, {{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {28, 2}}),
              (Numbers{pixels + 24, pixels, 40, 5, 3, 8}));
    // The bottom row first, each padded to eight bytes; the top row last.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + pixels, file.begin() + pixels + 8),
              (std::vector<std::uint8_t>{7, 7, 7, 7, 2, 0, 0, 0}));
    EXPECT_EQ(file[pixels + 8 + 2], 7);
    EXPECT_EQ(file[pixels + 2 * 8], 1);

    // The game palette, blue, green, red and a zero for each entry.
    const auto& colours = datagen::palette().colours();
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(numbersAt(file, {{54 + 4 * i, 4}})[0],
                  colours[i].blue | colours[i].green << 8 | colours[i].red << 16u)
            << i;
    }
}

TEST(WaveEncoding, SixteenBitSamplesAreSignedAndClipped) {
    const std::vector<std::uint8_t> file = datagen::encodeWave({0.0, 1.0, -1.0, 2.0}, 16);
    ASSERT_EQ(file.size(), 44u + 8);
    // Form size, fmt size, PCM, mono, rate, bytes a second, block, bits, data size; samples.
    EXPECT_EQ(
        numbersAt(file, {{4, 4},
                         {16, 4},
                         {20, 2},
                         {22, 2},
                         {24, 4},
                         {28, 4},
                         {32, 2},
                         {34, 2},
                         {40, 4},
                         {44, 2},
                         {46, 2},
                         {48, 2},
                         {50, 2}}),
        (Numbers{36 + 8, 16, 1, 1, 22050, 44100, 2, 16, 8, 0, 32767, 0x10000 - 32767, 32767}));
}

TEST(WaveEncoding, EightBitSamplesAreUnsignedAndAnOddDataChunkIsPadded) {
    const std::vector<std::uint8_t> file = datagen::encodeWave({-1.0, 0.0, 1.0}, 8);
    ASSERT_EQ(file.size(), 44u + 3 + 1);
    // The form counts the pad byte, the data chunk does not.
    EXPECT_EQ(
        numbersAt(file, {{4, 4}, {28, 4}, {32, 2}, {34, 2}, {40, 4}, {44, 1}, {45, 1}, {46, 1}}),
        (Numbers{44 + 4 - 8, 22050, 1, 8, 3, 1, 128, 255}));
}

} // namespace
