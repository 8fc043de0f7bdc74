// The bitmap and wave encoders: headers, padding and sample values exactly as a reader of
// those formats expects them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "datagen/bmp_writer.h"
#include "datagen/wav_writer.h"

namespace {

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

TEST(BitmapEncoding, PadsRowsToFourBytesAndStoresThemBottomUp) {
    datagen::Canvas picture(5, 3, 7);
    picture.set(0, 0, 1); // top left
    picture.set(4, 2, 2); // bottom right
    const std::vector<std::uint8_t> file = datagen::encodeBitmap(picture);
    const std::size_t pixels = 14 + 40 + 1024;
    ASSERT_EQ(file.size(), pixels + 8 * 3);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(little(file, 2, 4), file.size());
    EXPECT_EQ(little(file, 10, 4), pixels);
    EXPECT_EQ(little(file, 14, 4), 40u);
    EXPECT_EQ(little(file, 18, 4), 5u);
    EXPECT_EQ(little(file, 22, 4), 3u); // positive height: bottom row first
    EXPECT_EQ(little(file, 28, 2), 8u);
    EXPECT_EQ(file[pixels + 4], 2);     // first stored row is the bottom one
    EXPECT_EQ(file[pixels + 2 * 8], 1); // last stored row is the top one
    EXPECT_EQ(file[pixels + 5], 0);     // padding
    EXPECT_EQ(file[pixels + 8 + 2], 7);
}

TEST(BitmapEncoding, CarriesTheGamePaletteBlueGreenRed) {
    const std::vector<std::uint8_t> file = datagen::encodeBitmap(datagen::Canvas(1, 1));
    const auto& colours = datagen::palette().colours();
    for (int i = 0; i < 256; ++i) {
        const std::size_t entry = 54 + 4 * i;
        EXPECT_EQ(file[entry], colours[i].blue);
        EXPECT_EQ(file[entry + 1], colours[i].green);
        EXPECT_EQ(file[entry + 2], colours[i].red);
        EXPECT_EQ(file[entry + 3], 0);
    }
}

TEST(WaveEncoding, SixteenBitSamplesAreSignedAndClipped) {
    const std::vector<std::uint8_t> file = datagen::encodeWave({0.0, 1.0, -1.0, 2.0}, 16);
    ASSERT_EQ(file.size(), 44u + 8);
    EXPECT_EQ(little(file, 4, 4), 36u + 8);
    EXPECT_EQ(little(file, 16, 4), 16u); // fmt body
    EXPECT_EQ(little(file, 20, 2), 1u);  // PCM
    EXPECT_EQ(little(file, 22, 2), 1u);  // mono
    EXPECT_EQ(little(file, 24, 4), 22050u);
    EXPECT_EQ(little(file, 28, 4), 44100u); // bytes a second
    EXPECT_EQ(little(file, 32, 2), 2u);     // block align
    EXPECT_EQ(little(file, 34, 2), 16u);
    EXPECT_EQ(little(file, 40, 4), 8u); // data size
    EXPECT_EQ(static_cast<std::int16_t>(little(file, 44, 2)), 0);
    EXPECT_EQ(static_cast<std::int16_t>(little(file, 46, 2)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(little(file, 48, 2)), -32767);
    EXPECT_EQ(static_cast<std::int16_t>(little(file, 50, 2)), 32767);
}

TEST(WaveEncoding, EightBitSamplesAreUnsignedAndAnOddDataChunkIsPadded) {
    const std::vector<std::uint8_t> file = datagen::encodeWave({-1.0, 0.0, 1.0}, 8);
    ASSERT_EQ(file.size(), 44u + 3 + 1);
    EXPECT_EQ(little(file, 4, 4), file.size() - 8); // the form counts the pad byte
    EXPECT_EQ(little(file, 28, 4), 22050u);
    EXPECT_EQ(little(file, 32, 2), 1u);
    EXPECT_EQ(little(file, 34, 2), 8u);
    EXPECT_EQ(little(file, 40, 4), 3u); // the chunk does not
    EXPECT_EQ(file[44], 1);
    EXPECT_EQ(file[45], 128);
    EXPECT_EQ(file[46], 255);
}

} // namespace
