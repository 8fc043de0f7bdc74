// The icon and wave encoders: headers, padding and sample values exactly as a reader of those
// formats expects them. The bitmaps' bytes are pinned by the golden replays' data hash and read
// back picture by picture by tests/data.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "datagen/icon_writer.h"
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

TEST(IconEncoding, OneFourBitImageWithItsMaskAndTheKeyLeftTransparent) {
    datagen::Canvas picture(32, 32); // all key
    picture.set(0, 31, datagen::Black);
    picture.set(1, 31, datagen::White);
    const std::vector<std::uint8_t> file = datagen::encodeIcon(picture);
    const std::uint32_t image = 40 + 64 + 16 * 32 + 4 * 32;
    ASSERT_EQ(file.size(), 22 + image);
    // Type, count; width, height, colours, bits, bytes, offset; header, height of colour bits
    // and mask together, bits a pixel.
    // clang-format off
    EXPECT_EQ(numbersAt(file, {{2, 2}, {4, 2}, {6, 1}, {7, 1}, {8, 1}, {12, 2}, {14, 4}, {18, 4},
                               {22, 4}, {30, 4}, {36, 2}}),
              (Numbers{1, 1, 32, 32, 16, 4, image, 22, 40, 64, 4}));
    // clang-format on
    // The bottom row comes first: black and white, then transparent pixels.
    const std::size_t colourBits = 22 + 40 + 64;
    const std::size_t mask = colourBits + 16 * 32;
    EXPECT_EQ(file[colourBits], 0x0F);
    EXPECT_EQ(file[colourBits + 1], 0x00);
    EXPECT_EQ(numbersAt(file, {{static_cast<int>(mask), 4}, {static_cast<int>(mask) + 4, 4}}),
              (Numbers{0xFFFFFF3Fu, 0xFFFFFFFFu}));
}

TEST(IconEncoding, TrueColourImagesFollowWithAlphaAndTheLargestAsPng) {
    datagen::Canvas small(16, 16); // all key but the bottom-left pixel
    small.set(0, 15, datagen::White);
    const std::vector<std::uint8_t> file =
        datagen::encodeIcon(datagen::Canvas(32, 32), {small, datagen::Canvas(256, 256)});
    const int sixteenColours = 40 + 64 + 16 * 32 + 4 * 32;
    const int small32 = 40 + 16 * 16 * 4 + 4 * 16;
    const int first = 6 + 3 * 16;
    const int smallAt = first + sixteenColours;
    // Count; the 16-pixel entry: size, colours, bits, bytes, offset; the 256-pixel entry's
    // size (0) and offset; the small image's height and bits.
    // clang-format off
    EXPECT_EQ(numbersAt(file, {{4, 2}, {22, 1}, {24, 1}, {28, 2}, {30, 4}, {34, 4}, {38, 1},
                               {50, 4}, {smallAt + 8, 4}, {smallAt + 14, 2}}),
              (Numbers{3, 16, 0, 32, small32, smallAt, 0, smallAt + small32, 32, 32}));
    // clang-format on
    // Bottom row first: an opaque white pixel, then a clear one; the mask, its rows padded to
    // four bytes, lets only the white one cover.
    const int pixels = smallAt + 40;
    EXPECT_EQ(numbersAt(file, {{pixels, 4}, {pixels + 7, 1}, {pixels + 16 * 16 * 4, 4}}),
              (Numbers{0xFFFFFFFFu, 0, 0xFF7F}));
    const std::size_t png = smallAt + small32;
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + png, file.begin() + png + 4),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}));
}

TEST(WaveEncoding, SixteenBitSamplesAreSignedAndClipped) {
    const std::vector<std::uint8_t> file = datagen::encodeWave({0.0, 1.0, -1.0, 2.0}, 16);
    ASSERT_EQ(file.size(), 44u + 8);
    // Form size, fmt size, PCM, mono, rate, bytes a second, block, bits, data size; samples.
    // clang-format off
    EXPECT_EQ(numbersAt(file, {{4, 4}, {16, 4}, {20, 2}, {22, 2}, {24, 4}, {28, 4}, {32, 2},
                               {34, 2}, {40, 4}, {44, 2}, {46, 2}, {48, 2}, {50, 2}}),
              (Numbers{36 + 8, 16, 1, 1, 22050, 44100, 2, 16, 8,
                       0, 32767, 0x10000 - 32767, 32767}));
    // clang-format on
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
