// The seven sounds: each a RIFF WAVE file the game's reader takes, short, 22050 samples a
// second, and really audible.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game_files.h"
#include "sound/wave_reader.h"

namespace {

TEST(WaveFiles, EachSoundIsAShortAudiblePcmWave) {
    int eightBit = 0;
    int sixteenBit = 0;
    for (const std::string name : {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"}) {
        SCOPED_TRACE(name);
        WaveReader wave;
        ASSERT_EQ(wave.open((gameDataFolder() + "/Data/" + name + ".wav").c_str()), S_OK)
            << "not a RIFF WAVE with a format and a data chunk";
        const platform::WaveFormat& format = *wave.format;
        std::vector<std::uint8_t> bytes(wave.dataSize());
        std::uint32_t got = 0;
        ASSERT_EQ(wave.read(bytes.data(), wave.dataSize(), &got), S_OK);
        ASSERT_GT(got, 0u) << "no samples";
        EXPECT_EQ(format.formatTag, 1);
        EXPECT_EQ(format.samplesPerSecond, 22050u);
        ASSERT_TRUE(format.bitsPerSample == 8 || format.bitsPerSample == 16);
        (format.bitsPerSample == 8 ? eightBit : sixteenBit) += 1;
        const double seconds =
            static_cast<double>(got) / (22050.0 * format.channels * format.bitsPerSample / 8);
        EXPECT_LE(seconds, name == "Wind" ? 3.0 : 1.5);
        EXPECT_GE(seconds, 0.2);
        double loudest = 0.0;
        for (std::size_t at = 0; at + format.bitsPerSample / 8 <= got;
             at += format.bitsPerSample / 8) {
            loudest = std::max(
                loudest, std::abs(format.bitsPerSample == 8
                                      ? (bytes[at] - 128) / 128.0
                                      : static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8) /
                                            32768.0));
        }
        EXPECT_GT(loudest, 0.5) << "too quiet to hear";
    }
    EXPECT_GE(eightBit, 1);
    EXPECT_GE(sixteenBit, 1);
}

} // namespace
