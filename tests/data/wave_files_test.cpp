// The seven sounds: each a RIFF WAVE file the game's reader accepts, short, 22050 samples a
// second, and really audible.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "game_files.h"

namespace {

struct Wave {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::string data;
};

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

// Walks the chunks of the RIFF form as the game's reader does, skipping unknown ones.
Wave readWave(const std::string& path) {
    const std::string bytes = readFile(path);
    Wave wave;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return wave;
    }
    const std::size_t end = std::min<std::size_t>(bytes.size(), 8 + little(bytes, 4, 4));
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= end;) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = static_cast<int>(little(bytes, body, 2));
            wave.channels = static_cast<int>(little(bytes, body + 2, 2));
            wave.rate = static_cast<int>(little(bytes, body + 4, 4));
            wave.bits = static_cast<int>(little(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            wave.data = bytes.substr(body, size);
        }
        at = body + size + (size & 1);
    }
    wave.valid = haveFormat && !wave.data.empty();
    return wave;
}

double loudestSample(const Wave& wave) {
    double loudest = 0.0;
    const std::size_t width = wave.bits / 8;
    for (std::size_t at = 0; at + width <= wave.data.size(); at += width) {
        const double sample = width == 1
                                  ? (static_cast<std::uint8_t>(wave.data[at]) - 128) / 128.0
                                  : static_cast<std::int16_t>(little(wave.data, at, 2)) / 32768.0;
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

TEST(WaveFiles, EachSoundIsAShortAudiblePcmWave) {
    int eightBit = 0;
    int sixteenBit = 0;
    for (const char* name : {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"}) {
        SCOPED_TRACE(name);
        const Wave wave = readWave(gameFolder() + "/Data/" + name + ".wav");
        ASSERT_TRUE(wave.valid) << "not a RIFF WAVE with a format and a non-empty data chunk";
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.rate, 22050);
        ASSERT_TRUE(wave.bits == 8 || wave.bits == 16);
        (wave.bits == 8 ? eightBit : sixteenBit) += 1;
        const double seconds =
            static_cast<double>(wave.data.size()) / (wave.rate * wave.channels * wave.bits / 8);
        EXPECT_LE(seconds, std::string(name) == "Wind" ? 3.0 : 1.5);
        EXPECT_GE(seconds, 0.2);
        EXPECT_GT(loudestSample(wave), 0.5) << "too quiet to hear";
    }
    EXPECT_GE(eightBit, 1);
    EXPECT_GE(sixteenBit, 1);
}

} // namespace
