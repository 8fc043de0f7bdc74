// The loudness meter and the finishing of the sounds. The limiter looks a few milliseconds
// ahead, so a crack's first edge is turned down before it arrives instead of being clipped.
#include "datagen/loudness.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

namespace datagen {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double SoundingFloorDb = -50.0;

double toDb(double amplitude) {
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude) : -200.0;
}
double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

// A gentle high-pass at 20 Hz takes out the offset and any slow drift.
void highPass(std::vector<double>& samples, int sampleRate) {
    const double pole = std::exp(-2.0 * Pi * 20.0 / sampleRate);
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (double& s : samples) {
        const double out = s - previousIn + pole * previousOut;
        previousIn = s;
        previousOut = out;
        s = out;
    }
}

// What offset is left goes with a broad, inaudible swell that is zero at both ends, so the
// edges stay silent.
void centre(std::vector<double>& samples) {
    if (samples.size() < 2) {
        return;
    }
    const double last = static_cast<double>(samples.size() - 1);
    std::vector<double> swell(samples.size());
    double offset = 0.0;
    double weight = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        swell[i] = std::pow(std::sin(Pi * static_cast<double>(i) / last), 2);
        offset += samples[i];
        weight += swell[i];
    }
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] -= offset / weight * swell[i];
    }
}

// The first 5 ms fade in; the last 30 ms fade out, so that whatever still sounds at the end
// is released into silence rather than cut.
void fadeEdges(std::vector<double>& samples, int sampleRate) {
    const auto fade = [&samples](std::size_t length, bool atEnd) {
        length = std::min(samples.size() / 2, length);
        for (std::size_t i = 0; i < length; ++i) {
            const double gain = 0.5 - 0.5 * std::cos(Pi * static_cast<double>(i) / length);
            samples[atEnd ? samples.size() - 1 - i : i] *= gain;
        }
    };
    fade(static_cast<std::size_t>(sampleRate / 200), false);
    fade(static_cast<std::size_t>(sampleRate * 3 / 100), true);
}

// Turns down whatever would pass the ceiling. The gain each sample needs is held over the
// 4 ms before it and smoothed over as long, so the gain has reached it by the time the sample
// comes; afterwards the gain recovers over 40 ms.
void limit(std::vector<double>& samples, int sampleRate, double ceiling) {
    const std::size_t span = static_cast<std::size_t>(sampleRate / 250);
    const std::size_t count = samples.size();
    std::vector<double> needed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double level = std::abs(samples[i]);
        needed[i] = level > ceiling ? ceiling / level : 1.0;
    }
    // held[i]: the least gain needed from sample i to i + span - 1 (a sliding minimum).
    std::vector<double> held(count);
    std::deque<std::size_t> lowest;
    for (std::size_t i = count; i-- > 0;) {
        while (!lowest.empty() && needed[lowest.back()] >= needed[i]) {
            lowest.pop_back();
        }
        lowest.push_back(i);
        while (lowest.front() >= i + span) {
            lowest.pop_front();
        }
        held[i] = needed[lowest.front()];
    }
    // Every held value in the span ending at sample i covers i, so their mean is no more
    // than the gain i needs.
    const double release = std::exp(-1.0 / (0.04 * sampleRate));
    double sum = 0.0;
    double gain = 1.0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += held[i] - (i >= span ? held[i - span] : 1.0);
        const double smooth = 1.0 + sum / static_cast<double>(span);
        gain = std::min(smooth, gain * release + smooth * (1.0 - release));
        samples[i] *= std::min(gain, needed[i]);
    }
}

} // namespace

Loudness measureLoudness(const std::vector<double>& samples, int sampleRate) {
    Loudness result;
    if (samples.empty() || sampleRate <= 0) {
        return result;
    }
    result.seconds = static_cast<double>(samples.size()) / sampleRate;
    const std::size_t window = static_cast<std::size_t>(sampleRate / 100);
    const double floor = fromDb(SoundingFloorDb) * fromDb(SoundingFloorDb);
    double energy = 0.0;
    std::size_t counted = 0;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            sum += samples[i] * samples[i];
        }
        if (sum / window > floor) {
            energy += sum;
            counted += window;
        }
    }
    if (counted > 0) {
        result.rmsDb = 10.0 * std::log10(energy / counted);
    }
    double loudest = 0.0;
    double total = 0.0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
        total += s;
    }
    result.peakDb = toDb(loudest);
    result.dcOffset = total / static_cast<double>(samples.size());
    return result;
}

void finishSound(std::vector<double>& samples, int sampleRate) {
    highPass(samples, sampleRate);
    fadeEdges(samples, sampleRate);
    const double ceiling = fromDb(SoundCeilingDb);
    // Raising the level and limiting the peaks pull against each other; a few rounds settle
    // them within a tenth of a decibel.
    for (int round = 0; round < 6; ++round) {
        const Loudness now = measureLoudness(samples, sampleRate);
        if (now.rmsDb <= -200.0) {
            return;
        }
        const double gain = fromDb(SoundLoudnessDb - now.rmsDb);
        for (double& s : samples) {
            s *= gain;
        }
        limit(samples, sampleRate, ceiling);
    }
    // The limiter's changing gain leaves a trace of offset; taking it out may nudge a peak.
    centre(samples);
    const double peak = fromDb(measureLoudness(samples, sampleRate).peakDb);
    if (peak > ceiling) {
        for (double& s : samples) {
            s *= ceiling / peak;
        }
    }
}

} // namespace datagen
