// The measures behind the sounds' checks. The onset's treble share comes from a direct
// Fourier sum over the first 80 ms under a Hann window: 1764 samples, quick enough as it is.
#include "datagen/sound_measures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace datagen {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double SilenceDb = -90.0;
constexpr int FallWindowsPerSecond = 200;
constexpr std::size_t FallSpan = 2;

double powerDb(double power) {
    return power > 0.0 ? 10.0 * std::log10(power) : -200.0;
}

// The mean square of samples [first, first + count), or of a - b there.
double meanSquare(const std::vector<double>& a, const std::vector<double>* b, std::size_t first,
                  std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = first; i < first + count; ++i) {
        const double s = b != nullptr ? a[i] - (*b)[i] : a[i];
        sum += s * s;
    }
    return count > 0 ? sum / static_cast<double>(count) : 0.0;
}

double steepestFall(const std::vector<double>& samples, int sampleRate) {
    const std::size_t window = static_cast<std::size_t>(sampleRate / FallWindowsPerSecond);
    std::vector<double> levels;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        levels.push_back(std::max(SilenceDb, powerDb(meanSquare(samples, nullptr, start, window))));
    }
    levels.resize(levels.size() + FallSpan, SilenceDb);
    double steepest = 0.0;
    for (std::size_t i = 0; i + FallSpan < levels.size(); ++i) {
        steepest = std::max(steepest, levels[i] - levels[i + FallSpan]);
    }
    return steepest;
}

double onsetTreble(const std::vector<double>& samples, int sampleRate) {
    const std::size_t count =
        std::min(samples.size(), static_cast<std::size_t>(sampleRate * 8 / 100));
    if (count < 2) {
        return -200.0;
    }
    std::vector<double> windowed(count);
    double windowPower = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * Pi * static_cast<double>(i) / count);
        windowed[i] = samples[i] * hann;
        windowPower += hann * hann;
    }
    double treble = 0.0;
    double total = 0.0;
    for (std::size_t k = 1; k < count / 2; ++k) {
        const std::complex<double> turn =
            std::polar(1.0, -2.0 * Pi * static_cast<double>(k) / count);
        std::complex<double> phase = 1.0;
        std::complex<double> sum = 0.0;
        for (double s : windowed) {
            sum += s * phase;
            phase *= turn;
        }
        const double power = std::norm(sum);
        total += power;
        if (static_cast<double>(k) * sampleRate / count >= 2000.0) {
            treble += power;
        }
    }
    // Parseval: the bins' power, both halves of the spectrum, over the window's own power.
    return powerDb(2.0 * treble / (static_cast<double>(count) * windowPower));
}

} // namespace

SoundShape measureShape(const std::vector<double>& made, const std::vector<double>& stored,
                        int sampleRate) {
    SoundShape shape;
    if (made.empty() || made.size() != stored.size() || sampleRate <= 0) {
        return shape;
    }
    const std::size_t tail = std::min(stored.size(), static_cast<std::size_t>(sampleRate / 100));
    shape.tailDb = powerDb(meanSquare(stored, nullptr, stored.size() - tail, tail));
    shape.noiseFloorDb = powerDb(meanSquare(stored, &made, 0, made.size()));
    shape.steepestFallDb = steepestFall(stored, sampleRate);
    shape.onsetTrebleDb = onsetTreble(made, sampleRate);
    return shape;
}

} // namespace datagen
