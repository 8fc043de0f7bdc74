// Filters after the well-known audio cookbook formulas, and a source-and-formant voice: the
// puffs of air through the vocal folds, with breath, shaped by a chain of mouth resonances.
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

void Biquad::formant(double frequency, double bandwidth) {
    const double radius = std::exp(-Pi * bandwidth / SampleRate);
    const double c = -radius * radius;
    const double b =
        2.0 * radius *
        std::cos(2.0 * Pi * std::clamp(frequency, 20.0, SampleRate * 0.45) / SampleRate);
    b0_ = 1.0 - b - c;
    b1_ = 0.0;
    b2_ = 0.0;
    a1_ = -b;
    a2_ = -c;
}

namespace {

// The air let through the vocal folds over one beat: a smooth opening over 40 % of the beat,
// a quicker closing over 16 %, then closed.
double glottalFlow(double phase) {
    constexpr double Opening = 0.4;
    constexpr double Closing = 0.16;
    if (phase < Opening) {
        return 0.5 - 0.5 * std::cos(Pi * phase / Opening);
    }
    if (phase < Opening + Closing) {
        return std::cos(0.5 * Pi * (phase - Opening) / Closing);
    }
    return 0.0;
}

} // namespace

std::vector<double> sing(const VoicePlan& plan) {
    const int count = static_cast<int>(plan.seconds * SampleRate);
    std::vector<double> out(count);
    Random random(plan.seed);
    Biquad mouth[4];
    Biquad lips;
    lips.lowPass(7500.0, 0.7);
    Biquad narrowing;
    Biquad narrowingAgain;
    double phase = 0.0;
    double lastFlow = 0.0;
    double lastAir = 0.0;
    double lastSound = 0.0;
    double drift = 0.0;    // the pitch's slow, unsteady wander
    double beatGain = 1.0; // each beat of the folds a little louder or softer than the last
    int beat = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double breath = std::clamp(plan.breath(t), 0.0, 1.0);
        if (i % 32 == 0) {
            // Breathy sounds have wider, duller formants.
            const Vowel v = plan.vowel(t);
            const double wide = 1.0 + breath;
            mouth[0].formant(v.f1, 70.0 * wide);
            mouth[1].formant(v.f2, 95.0 * wide);
            mouth[2].formant(v.f3, 140.0 * wide);
            mouth[3].formant(3500.0, 220.0 * wide);
        }
        if (i % 32 == 0 && plan.hissPitch) {
            narrowing.bandPass(plan.hissPitch(t), 1.4);
            narrowingAgain.bandPass(plan.hissPitch(t) * 1.15, 1.4);
        }
        drift = drift * 0.9995 + (random.unit() - 0.5) * 0.0006;
        const double pitch =
            plan.pitch(t) * (1.0 + plan.vibrato * std::sin(2.0 * Pi * 5.3 * t) + drift);
        phase += pitch / SampleRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            ++beat;
            beatGain = (1.0 + (random.unit() - 0.5) * 0.12) *
                       (beat % 2 == 1 ? 1.0 - 0.6 * plan.growl : 1.0);
        }
        // The sound leaves the mouth as the change of the air flow, not the flow itself.
        const double flow = glottalFlow(phase) * beatGain;
        const double voiced = (flow - lastFlow) * SampleRate / pitch * 0.12;
        lastFlow = flow;
        // Breath hisses most while the folds stand open; like the voice, it leaves the mouth
        // as a change of pressure, which tilts it toward the treble.
        const double air = (random.unit() * 2.0 - 1.0) * (0.4 + 0.6 * flow);
        double sound = voiced * (1.0 - breath) + (air - lastAir) * breath * 0.5;
        lastAir = air;
        for (Biquad& formant : mouth) {
            sound = formant.process(sound);
        }
        // The open mouth lifts the upper formants that make the vowel clear.
        const double bright = sound + 2.5 * (sound - lastSound);
        lastSound = sound;
        double hiss = 0.0;
        if (plan.hiss) {
            const double noise = random.unit() * 2.0 - 1.0;
            hiss = narrowingAgain.process(narrowing.process(noise)) * plan.hiss(t);
        }
        out[i] = lips.process(bright + hiss) * plan.loudness(t);
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

double dieAway(double t, double start, double length) {
    if (t <= start) {
        return 1.0;
    }
    if (t >= start + length || length <= 0.0) {
        return 0.0;
    }
    // e^-9.2 is -80 dB.
    const double last = std::exp(-9.2);
    return (std::exp(-9.2 * (t - start) / length) - last) / (1.0 - last);
}

} // namespace datagen
