// Filters after the well-known audio cookbook formulas, and a source-and-formant voice: a
// buzzing pulse train shaped by three resonances, mixed with filtered breath.
#include "datagen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "datagen/pixel_noise.h"
#include "datagen/wav_writer.h"

namespace datagen {

namespace {

constexpr double Pi = std::numbers::pi;

} // namespace

void Biquad::bandPass(double frequency, double q) {
    const double w = 2.0 * Pi * std::clamp(frequency, 20.0, SampleRate * 0.45) / SampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    b1_ = 0.0;
    b2_ = -alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
}

void Biquad::lowPass(double frequency, double q) {
    const double w = 2.0 * Pi * std::clamp(frequency, 20.0, SampleRate * 0.45) / SampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double c = std::cos(w);
    b0_ = (1.0 - c) / 2.0 / a0;
    b1_ = (1.0 - c) / a0;
    b2_ = b0_;
    a1_ = -2.0 * c / a0;
    a2_ = (1.0 - alpha) / a0;
}

double Biquad::process(double input) {
    const double output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

std::vector<double> sing(const VoicePlan& plan) {
    const int count = static_cast<int>(plan.seconds * SampleRate);
    std::vector<double> out(count);
    Random random(plan.seed);
    Biquad formants[3];
    Biquad tilt;
    tilt.lowPass(3200.0, 0.7);
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        if (i % 32 == 0) {
            const Vowel v = plan.vowel(t);
            formants[0].bandPass(v.f1, 6.0);
            formants[1].bandPass(v.f2, 9.0);
            formants[2].bandPass(v.f3, 12.0);
        }
        // A slightly unsteady pulse train: the buzz of the vocal cords.
        const double pitch = plan.pitch(t) * (1.0 + (random.unit() - 0.5) * 0.01);
        phase += pitch / SampleRate;
        phase -= std::floor(phase);
        const double pulse =
            phase < 0.6 ? std::sin(Pi * phase / 0.6) * std::sin(Pi * phase / 0.6) : 0.0;
        const double buzz = tilt.process(pulse - 0.35);
        const double air = random.unit() * 2.0 - 1.0;
        const double breath = std::clamp(plan.breath(t), 0.0, 1.0);
        const double source = buzz * (1.0 - breath) * 2.0 + air * breath * 0.5;
        const double voiced = formants[0].process(source) * 1.0 +
                              formants[1].process(source) * 0.6 + formants[2].process(source) * 0.3;
        out[i] = voiced * plan.loudness(t);
    }
    return out;
}

Vowel blend(const Vowel& a, const Vowel& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.f1 + (b.f1 - a.f1) * t, a.f2 + (b.f2 - a.f2) * t, a.f3 + (b.f3 - a.f3) * t};
}

double envelope(double t, double attack, double release, double length) {
    if (t < 0.0 || t > length) {
        return 0.0;
    }
    const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = release > 0.0 ? std::min(1.0, (length - t) / release) : 1.0;
    return rise * fall;
}

void normalise(std::vector<double>& samples, double peak) {
    double loudest = 0.0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0) {
        for (double& s : samples) {
            s *= peak / loudest;
        }
    }
}

} // namespace datagen
