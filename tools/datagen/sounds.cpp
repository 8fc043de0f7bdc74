// The seven sounds: a gust of wind, a wooden crash, a wet splat, a moo, a cowboy's
// "yee-haw", a farmer's startled "hey!", and an Indian's ringing call.
#include "datagen/sounds.h"

#include <cmath>
#include <numbers>

#include "datagen/pixel_noise.h"
#include "datagen/synth.h"
#include "datagen/wav_writer.h"

namespace datagen {

namespace {

constexpr double Pi = std::numbers::pi;

int samplesFor(double seconds) {
    return static_cast<int>(seconds * SampleRate);
}
double timeOf(int i) {
    return static_cast<double>(i) / SampleRate;
}

// Air rushing past: noise through a band that wanders up and down, swelling in gusts, with a
// thin whistle on top and a rumble below.
std::vector<double> wind() {
    const double seconds = 2.6;
    std::vector<double> out(samplesFor(seconds));
    Random random(7001);
    Biquad band;
    Biquad whistle;
    Biquad rumble;
    rumble.lowPass(140.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        if (i % 64 == 0) {
            band.bandPass(380.0 + 520.0 * std::sin(Pi * t / seconds) + 120.0 * std::sin(t * 5.1),
                          1.6);
            whistle.bandPass(1300.0 + 300.0 * std::sin(t * 2.3), 28.0);
        }
        const double air = random.unit() * 2.0 - 1.0;
        const double gust = 0.65 + 0.35 * std::sin(t * 4.4 - 0.8) * std::sin(t * 1.7);
        const double sample =
            band.process(air) * 1.0 + whistle.process(air) * 0.9 + rumble.process(air) * 0.8;
        out[i] = sample * gust * envelope(t, 0.6, 0.9, seconds);
    }
    normalise(out, 0.8);
    return out;
}

// Timber giving way: a deep thump, then splintering cracks that ring like planks.
std::vector<double> crush() {
    const double seconds = 0.95;
    std::vector<double> out(samplesFor(seconds));
    Random random(7002);
    const double hits[] = {0.0, 0.045, 0.11, 0.19, 0.27, 0.38, 0.52};
    const double modes[] = {190.0, 430.0, 740.0, 1180.0, 1900.0};
    for (std::size_t h = 0; h < std::size(hits); ++h) {
        const double strength = 1.0 / (1.0 + h * 0.45);
        Biquad crack;
        crack.bandPass(900.0 + random.unit() * 2200.0, 1.2);
        for (std::size_t i = samplesFor(hits[h]); i < out.size(); ++i) {
            const double t = timeOf(static_cast<int>(i)) - hits[h];
            if (t > 0.3) {
                break;
            }
            const double burst = (random.unit() * 2.0 - 1.0) * std::exp(-t / 0.012);
            double ring = 0.0;
            for (std::size_t m = 0; m < std::size(modes); ++m) {
                const double f = modes[m] * (1.0 + 0.07 * h);
                ring += std::sin(2.0 * Pi * f * t) * std::exp(-t / (0.06 - m * 0.009)) / (1.0 + m);
            }
            out[i] += strength * (crack.process(burst) * 2.2 + ring * 0.35);
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        out[i] += 0.9 * std::sin(2.0 * Pi * (62.0 * t - 30.0 * t * t)) * std::exp(-t / 0.09);
    }
    normalise(out, 0.85);
    return out;
}

// Something soft hitting the ground hard: a wet slap, a dull thud and a few drops.
std::vector<double> splat() {
    const double seconds = 0.5;
    std::vector<double> out(samplesFor(seconds));
    Random random(7003);
    Biquad slap;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        if (i % 16 == 0) {
            slap.lowPass(300.0 + 2700.0 * std::exp(-t / 0.05), 1.4);
        }
        const double noise = random.unit() * 2.0 - 1.0;
        const double body = slap.process(noise) * std::exp(-t / 0.07) * 1.6;
        const double thud = std::sin(2.0 * Pi * (95.0 * t - 220.0 * t * t)) * std::exp(-t / 0.05);
        out[i] = body + thud * 0.8;
    }
    const double drops[] = {0.13, 0.19, 0.27, 0.35};
    for (std::size_t d = 0; d < std::size(drops); ++d) {
        const double pitch = 1500.0 - d * 150.0;
        for (std::size_t i = samplesFor(drops[d]); i < out.size(); ++i) {
            const double t = timeOf(static_cast<int>(i)) - drops[d];
            if (t > 0.03) {
                break;
            }
            out[i] +=
                0.25 * std::sin(2.0 * Pi * (pitch * t - 9000.0 * t * t)) * std::exp(-t / 0.01);
        }
    }
    normalise(out, 0.8);
    return out;
}

std::vector<double> moo() {
    const double seconds = 1.3;
    const Vowel hum{280.0, 900.0, 2200.0};
    const Vowel oo{360.0, 760.0, 2300.0};
    std::vector<double> out =
        sing({seconds,
              [](double t) {
                  return t < 0.35 ? 92.0 + t * 90.0
                                  : 124.0 - (t - 0.35) * 36.0 + 2.0 * std::sin(t * 31.0);
              },
              [&](double t) { return blend(hum, oo, t / 0.3); },
              [&](double t) { return envelope(t, 0.18, 0.35, seconds); },
              [](double t) { return 0.15 + 0.1 * std::exp(-t / 0.1); }, 7004});
    normalise(out, 0.85);
    return out;
}

std::vector<double> yeeHaw() {
    const Vowel ee{290.0, 2250.0, 2950.0};
    const Vowel aw{680.0, 1050.0, 2500.0};
    std::vector<double> out = sing(
        {1.0, [](double t) { return t < 0.4 ? 250.0 + t * 220.0 : 330.0 - (t - 0.45) * 260.0; },
         [&](double t) { return t < 0.42 ? ee : aw; },
         [](double t) {
             return envelope(t, 0.03, 0.05, 0.38) + envelope(t - 0.45, 0.02, 0.3, 0.55);
         },
         [](double t) { return t > 0.43 && t < 0.5 ? 0.9 : 0.08; }, 7005});
    normalise(out, 0.85);
    return out;
}

std::vector<double> hey() {
    const Vowel eh{540.0, 1850.0, 2550.0};
    const Vowel ee{320.0, 2200.0, 2900.0};
    std::vector<double> out = sing(
        {0.7,
         [](double t) { return 170.0 + 60.0 * std::sin(Pi * std::min(t / 0.45, 1.0)) - t * 40.0; },
         [&](double t) { return blend(eh, ee, (t - 0.2) / 0.3); },
         [](double t) { return envelope(t, 0.05, 0.25, 0.62); },
         [](double t) { return t < 0.07 ? 0.85 : 0.1; }, 7006});
    normalise(out, 0.85);
    return out;
}

// A high, ringing call broken into quick pulses.
std::vector<double> indianCall() {
    const Vowel ah{780.0, 1250.0, 2600.0};
    const Vowel oh{520.0, 900.0, 2500.0};
    std::vector<double> out = sing(
        {1.1,
         [](double t) { return 430.0 + 50.0 * std::sin(Pi * t / 1.1) + 6.0 * std::sin(t * 40.0); },
         [&](double t) { return blend(ah, oh, 0.5 + 0.5 * std::sin(2.0 * Pi * 7.0 * t)); },
         [](double t) {
             const double pulse = 0.55 + 0.45 * std::sin(2.0 * Pi * 7.0 * t);
             return pulse * envelope(t, 0.06, 0.3, 1.1);
         },
         [](double) { return 0.08; }, 7007});
    normalise(out, 0.85);
    return out;
}

} // namespace

const std::vector<Sound>& gameSounds() {
    static const std::vector<Sound> sounds = {
        {"Data/Indian.wav", 16, indianCall}, {"Data/Cow.wav", 16, moo},
        {"Data/Farm.wav", 16, hey},          {"Data/CowBoy.wav", 16, yeeHaw},
        {"Data/Crush.wav", 16, crush},       {"Data/Splat.wav", 8, splat},
        {"Data/Wind.wav", 16, wind},
    };
    return sounds;
}

} // namespace datagen
