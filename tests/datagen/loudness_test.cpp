// The loudness meter against signals whose loudness is known, and the finishing that brings
// a sound to the common loudness without DC, clicks or peaks over the ceiling.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "datagen/loudness.h"

namespace {

constexpr int Rate = 22050;

// A 450 Hz tone of a whole number of 10 ms windows (220 samples) and of periods (49).
std::vector<double> tone(int windows, double amplitude, double offset = 0.0) {
    std::vector<double> samples(static_cast<std::size_t>(windows) * 220);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = offset + amplitude * std::sin(2.0 * std::numbers::pi * i / 49.0);
    }
    return samples;
}

std::vector<double> joined(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(LoudnessMeter, CountsOnlyTheSoundingPart) {
    const struct {
        const char* name;
        std::vector<double> samples;
        double seconds, rmsDb, peakDb, dc;
    } cases[] = {
        {"full-scale sine", tone(49, 1.0), 0.489, -3.01, 0.0, 0.0},
        {"half-scale sine", tone(49, 0.5), 0.489, -9.03, -6.02, 0.0},
        // Silence, and a hum below -50 dBFS, do not pull the loudness down.
        {"sine then silence", joined(tone(49, 0.5), tone(98, 0.0)), 1.467, -9.03, -6.02, 0.0},
        {"sine then faint hum", joined(tone(49, 0.5), tone(49, 0.002)), 0.978, -9.03, -6.02, 0.0},
        {"sine lifted", tone(49, 0.25, 0.1), 0.489, -13.85, -9.12, 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const datagen::Loudness loudness = datagen::measureLoudness(c.samples, Rate);
        EXPECT_NEAR(loudness.seconds, c.seconds, 1e-3);
        EXPECT_NEAR(loudness.rmsDb, c.rmsDb, 0.1);
        EXPECT_NEAR(loudness.peakDb, c.peakDb, 0.1);
        EXPECT_NEAR(loudness.dcOffset, c.dc, 1e-3);
    }
    EXPECT_LE(datagen::measureLoudness(tone(10, 0.0), Rate).rmsDb, -200.0);
    EXPECT_LE(datagen::measureLoudness({}, Rate).rmsDb, -200.0);
}

TEST(FinishedSound, ReachesTheCommonLoudnessWithSoftEdgesAndPeaksUnderTheCeiling) {
    // A quiet hum with a DC offset, and a sharp crack in quiet noise whose peak stands far
    // above its loudness: the crack has to be held down to reach the common level.
    std::vector<double> crack(Rate / 2);
    for (std::size_t i = 0; i < crack.size(); ++i) {
        crack[i] = std::sin(i * 1.3) *
                   (i > 2000 && i < 2040 ? 0.9 : 0.01 * std::exp(-static_cast<double>(i) / 4000.0));
    }
    for (std::vector<double> samples : {tone(40, 0.05, 0.2), crack}) {
        datagen::finishSound(samples, Rate);
        const datagen::Loudness loudness = datagen::measureLoudness(samples, Rate);
        EXPECT_NEAR(loudness.rmsDb, datagen::SoundLoudnessDb, 0.5);
        EXPECT_LE(loudness.peakDb, datagen::SoundCeilingDb + 1e-9);
        EXPECT_NEAR(loudness.dcOffset, 0.0, 1e-7);
        EXPECT_NEAR(samples.front(), 0.0, 1e-9);
        EXPECT_NEAR(samples.back(), 0.0, 1e-9);
    }
}

} // namespace
