// The seven sounds: each a RIFF WAVE file the game's reader takes, short, 22050 samples a
// second, audible, and as loud as every other, with no DC, clicks or peaks near full scale.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "datagen/loudness.h"
#include "game_files.h"
#include "sound/wave_reader.h"

namespace {

TEST(WaveFiles, EachSoundIsAShortPcmWaveAsLoudAsTheOthers) {
    double quietest = 0.0;
    double loudest = -200.0;
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
        const double seconds =
            static_cast<double>(got) / (22050.0 * format.channels * format.bitsPerSample / 8);
        EXPECT_LE(seconds, name == "Wind" ? 3.0 : 1.5);
        EXPECT_GE(seconds, 0.2);
        std::vector<double> samples;
        for (std::size_t at = 0; at + format.bitsPerSample / 8 <= got;
             at += format.bitsPerSample / 8) {
            samples.push_back(format.bitsPerSample == 8
                                  ? (bytes[at] - 128) / 128.0
                                  : static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8) /
                                        32768.0);
        }
        const datagen::Loudness loudness = datagen::measureLoudness(samples, 22050);
        quietest = std::min(quietest, loudness.rmsDb);
        loudest = std::max(loudest, loudness.rmsDb);
        EXPECT_GT(loudness.rmsDb, -24.0) << "too quiet to hear";
        EXPECT_LE(loudness.peakDb, -1.0);
        EXPECT_LT(std::abs(loudness.dcOffset), 0.001); // -60 dBFS
        // No click: the sound starts and ends at rest (one 8-bit step at most).
        EXPECT_LE(std::abs(samples.front()), 1.0 / 128);
        EXPECT_LE(std::abs(samples.back()), 1.0 / 128);
    }
    EXPECT_LE(loudest - quietest, 4.0) << "a sound stands out from the others";
}

} // namespace
