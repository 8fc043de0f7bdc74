// The measures of a sound's shape against signals whose answer is known, and the game's seven
// sounds held to them as they are stored: each starts at rest and ends in silence rather than
// on a cut, carries no DC and no hiss from its file, keeps the common loudness and its length,
// and each person's call starts on a consonant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "datagen/loudness.h"
#include "datagen/sound_measures.h"
#include "datagen/sounds.h"
#include "datagen/wav_writer.h"

namespace {

constexpr int Rate = datagen::SampleRate;

// A tone of the given frequency and amplitude, cut off after seconds and then silent.
std::vector<double> tone(double frequency, double amplitude, double seconds, double total) {
    std::vector<double> samples(static_cast<std::size_t>(total * Rate));
    for (std::size_t i = 0; i < samples.size() && i < seconds * Rate; ++i) {
        samples[i] = amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / Rate);
    }
    return samples;
}

TEST(SoundShape, MeasuresKnownSignals) {
    const struct {
        const char* name;
        std::vector<double> samples;
        int bits;
        double tailDb, floorAtMostDb, fallAtLeastDb, fallAtMostDb, trebleDb;
    } cases[] = {
        // A treble tone's level is all treble: a sine of amplitude 0.5 is -9 dBFS RMS.
        {"3 kHz tone", tone(3000.0, 0.5, 0.3, 0.3), 16, -9.0, -95.0, 60.0, 200.0, -9.0},
        {"500 Hz tone cut halfway", tone(500.0, 0.5, 0.15, 0.3), 16, -200.0, -95.0, 60.0, 200.0,
         -200.0},
        // Eight bits leave a floor of a step over the square root of 12: -53 dBFS.
        {"8-bit tone", tone(500.0, 0.5, 0.3, 0.3), 8, -9.0, -52.0, 30.0, 200.0, -200.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const datagen::SoundShape shape =
            datagen::measureShape(c.samples, datagen::storedSamples(c.samples, c.bits), Rate);
        EXPECT_NEAR(shape.tailDb, c.tailDb, 0.2);
        EXPECT_LE(shape.noiseFloorDb, c.floorAtMostDb);
        EXPECT_GE(shape.noiseFloorDb, c.floorAtMostDb - 10.0);
        EXPECT_GE(shape.steepestFallDb, c.fallAtLeastDb);
        if (c.trebleDb > -100.0) {
            EXPECT_NEAR(shape.onsetTrebleDb, c.trebleDb, 0.3);
        } else {
            EXPECT_LT(shape.onsetTrebleDb, -60.0) << "a bass tone leaks into the treble";
        }
    }
    // A tone dying away by 6 dB every 10 ms never falls steeply.
    std::vector<double> decay = tone(500.0, 0.5, 1.0, 1.0);
    for (std::size_t i = 0; i < decay.size(); ++i) {
        decay[i] *= std::pow(10.0, -6.0 * i / (Rate / 100.0) / 20.0);
    }
    EXPECT_LT(datagen::measureShape(decay, decay, Rate).steepestFallDb, 8.0);
}

TEST(GameSounds, EndInSilenceWithoutHissAtTheCommonLoudness) {
    const struct {
        std::string file;
        double seconds; // the clip's length, which the game's timing has come to rely on
        bool spoken;    // a person's call, starting on a consonant
    } expected[] = {
        {"Data/Indian.wav", 0.62, true}, {"Data/Cow.wav", 1.25, false},
        {"Data/Farm.wav", 0.65, true},   {"Data/CowBoy.wav", 1.05, true},
        {"Data/Crush.wav", 0.95, false}, {"Data/Splat.wav", 0.5, false},
        {"Data/Wind.wav", 2.6, false},
    };
    const auto& sounds = datagen::gameSounds();
    ASSERT_EQ(sounds.size(), std::size(expected));
    double quietest = 0.0;
    double loudest = -200.0;
    for (std::size_t k = 0; k < sounds.size(); ++k) {
        SCOPED_TRACE(sounds[k].file);
        ASSERT_EQ(sounds[k].file, expected[k].file);
        const std::vector<double> made = sounds[k].synthesise();
        const std::vector<double> stored = datagen::storedSamples(made, sounds[k].bits);
        const datagen::Loudness loudness = datagen::measureLoudness(stored, Rate);
        const datagen::SoundShape shape = datagen::measureShape(made, stored, Rate);
        EXPECT_NEAR(loudness.seconds, expected[k].seconds, 0.1);
        EXPECT_NEAR(loudness.rmsDb, datagen::SoundLoudnessDb, 0.5);
        EXPECT_LE(loudness.peakDb, datagen::SoundCeilingDb + 0.01);
        // No DC, and no click: the stored sound starts and ends at rest (one 8-bit step at most).
        EXPECT_LT(std::abs(loudness.dcOffset), 0.001);
        EXPECT_LE(std::abs(stored.front()), 1.0 / 128);
        EXPECT_LE(std::abs(stored.back()), 1.0 / 128);
        quietest = std::min(quietest, loudness.rmsDb);
        loudest = std::max(loudest, loudness.rmsDb);
        EXPECT_LE(shape.tailDb, -70.0) << "still sounding in its last 10 ms";
        EXPECT_LE(shape.noiseFloorDb, loudness.peakDb - 60.0) << "hiss from the sample size";
        EXPECT_LE(shape.steepestFallDb, 20.0) << "cut off instead of dying away";
        if (expected[k].spoken) {
            EXPECT_GE(shape.onsetTrebleDb, -30.0) << "no consonant in the first 80 ms";
        }
    }
    EXPECT_LE(loudest - quietest, 1.0);
}

} // namespace
