// The seven sounds: a gust of wind, a wooden crash, a wet splat, a moo, a cowboy's
// "yee-haw", a farmer's startled "hey!", and an Indian's gasp and "whoa!".
#include "datagen/sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "datagen/loudness.h"
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
        out[i] = sample * gust * std::min(1.0, t / 0.6) * dieAway(t, 1.75, 0.85);
    }
    return out;
}

// Timber giving way: a deep thump, then splintering cracks that ring like planks until they
// have died away.
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
            if (t > 0.12) {
                break; // by now it has died away by a hundred decibels
            }
            // Each drop swells in smoothly over three milliseconds, so it plips instead of
            // clicking.
            out[i] += 0.25 * std::sin(2.0 * Pi * (pitch * t - 9000.0 * t * t)) *
                      std::exp(-t / 0.01) *
                      std::pow(std::sin(0.5 * Pi * std::min(1.0, t / 0.003)), 2);
        }
    }
    return out;
}

// The cow: a puff of breath through the nose, a hum through closed lips that opens into a
// long, low "ooh" and closes again, with the rough beat of a big throat, dying away as the
// breath runs out.
std::vector<double> moo() {
    const double seconds = 1.25;
    const Vowel hum{250.0, 1100.0, 2300.0};
    const Vowel oo{320.0, 700.0, 2350.0};
    const Vowel ow{560.0, 900.0, 2400.0};
    return sing({
        .seconds = seconds,
        .pitch = [](double t) { return t < 0.3 ? 96.0 + t * 85.0 : 121.5 - (t - 0.3) * 30.0; },
        .vowel =
            [&](double t) {
                return t < 0.6 ? blend(hum, ow, (t - 0.1) / 0.45) : blend(ow, oo, (t - 0.6) / 0.45);
            },
        .loudness = [](double t) { return std::min(1.0, t / 0.14) * dieAway(t, 0.78, 0.45); },
        .breath = [](double t) { return 0.2 + 0.7 * std::exp(-t / 0.05); },
        .seed = 7004,
        .vibrato = 0.008,
        .growl = 0.35,
        .hiss = [](double t) { return 0.6 * std::exp(-t / 0.04); },
        .hissPitch = [](double) { return 1800.0; },
    });
}

// The cowboy: a rising "yee" whose "y" starts as a hiss at the roof of the mouth, a breathed
// "h", and a long "haw" that falls away with a wobble.
std::vector<double> yeeHaw() {
    const Vowel y{250.0, 2500.0, 3200.0};
    const Vowel ee{290.0, 2250.0, 2950.0};
    const Vowel ah{760.0, 1250.0, 2600.0};
    const Vowel aw{650.0, 1000.0, 2550.0};
    return sing({
        .seconds = 1.05,
        .pitch =
            [](double t) {
                return t < 0.42 ? 240.0 + 320.0 * t
                                : 400.0 - 170.0 * std::min(1.0, (t - 0.42) / 0.6);
            },
        .vowel =
            [&](double t) {
                return t < 0.42 ? blend(y, ee, (t - 0.03) / 0.1) : blend(ah, aw, (t - 0.5) / 0.3);
            },
        .loudness =
            [](double t) {
                const double yee = std::min(1.0, t / 0.03) * dieAway(t, 0.35, 0.1);
                const double haw = std::clamp((t - 0.42) / 0.05, 0.0, 1.0) * dieAway(t, 0.72, 0.32);
                return std::max(yee, haw);
            },
        .breath =
            [](double t) {
                return t < 0.045 ? 1.0 - t / 0.09 : (t > 0.41 && t < 0.5 ? 1.0 : 0.12);
            },
        .seed = 7005,
        .vibrato = 0.018,
        .hiss =
            [](double t) {
                return 6.0 * envelope(t, 0.008, 0.04, 0.06) +
                       0.5 * envelope(t - 0.42, 0.01, 0.05, 0.09);
            },
        .hissPitch = [](double t) { return t < 0.3 ? 3600.0 : 1700.0; },
    });
}

// The farmer: a startled, shouted "hey!": a hard breath of "h", the vowel sliding from "eh"
// to "ee", and the shout dying away.
std::vector<double> hey() {
    const Vowel eh{560.0, 1800.0, 2550.0};
    const Vowel ee{330.0, 2150.0, 2850.0};
    return sing({
        .seconds = 0.65,
        .pitch =
            [](double t) {
                return 180.0 + 70.0 * std::sin(Pi * std::min(t / 0.3, 1.0) * 0.5) -
                       90.0 * std::max(0.0, t - 0.3);
            },
        .vowel = [&](double t) { return blend(eh, ee, (t - 0.2) / 0.22); },
        .loudness =
            [](double t) {
                return std::max(0.75 * envelope(t, 0.012, 0.02, 0.085),
                                std::clamp((t - 0.065) / 0.025, 0.0, 1.0) * dieAway(t, 0.36, 0.28));
            },
        .breath =
            [](double t) { return t < 0.07 ? 1.0 : 0.14 + 0.86 * std::exp(-(t - 0.07) / 0.015); },
        .seed = 7006,
        .vibrato = 0.006,
        .hiss = [](double t) { return 2.0 * envelope(t, 0.01, 0.03, 0.085); },
        .hissPitch = [](double) { return 2600.0; },
    });
}

// A person snatched off their feet: a sharp, hissing gasp, then a surprised "whoa!" whose
// "wh" is blown through rounded lips, rising and falling and dying away.
std::vector<double> startledCall() {
    const Vowel ah{750.0, 1250.0, 2600.0};
    const Vowel w{300.0, 650.0, 2400.0};
    const Vowel oh{520.0, 880.0, 2500.0};
    const Vowel oo{400.0, 800.0, 2450.0};
    return sing({
        .seconds = 0.62,
        .pitch =
            [](double t) {
                const double u = std::clamp((t - 0.13) / 0.45, 0.0, 1.0);
                return 215.0 + 95.0 * std::sin(Pi * std::pow(u, 0.7)) - 25.0 * u;
            },
        .vowel =
            [&](double t) {
                if (t < 0.12) {
                    return ah;
                }
                return t < 0.35 ? blend(w, oh, (t - 0.14) / 0.12) : blend(oh, oo, (t - 0.35) / 0.2);
            },
        .loudness =
            [](double t) {
                const double gasp = 0.6 * std::min(1.0, t / 0.012) * dieAway(t, 0.05, 0.08);
                const double whoa = std::clamp((t - 0.1) / 0.05, 0.0, 1.0) * dieAway(t, 0.36, 0.25);
                return std::max(gasp, whoa);
            },
        .breath =
            [](double t) { return t < 0.16 ? 1.0 : 0.18 + 0.82 * std::exp(-(t - 0.16) / 0.02); },
        .seed = 7007,
        .vibrato = 0.01,
        .hiss =
            [](double t) {
                return 3.0 * envelope(t, 0.006, 0.06, 0.09) +
                       0.6 * envelope(t - 0.1, 0.02, 0.05, 0.08);
            },
        .hissPitch = [](double t) { return t < 0.1 ? 3000.0 : 1400.0; },
    });
}

// Every sound leaves the synthesiser finished: no DC, soft edges, the common loudness.
std::function<std::vector<double>()> finished(std::vector<double> (*synthesise)()) {
    return [synthesise] {
        std::vector<double> samples = synthesise();
        finishSound(samples, SampleRate);
        return samples;
    };
}

} // namespace

const std::vector<Sound>& gameSounds() {
    static const std::vector<Sound> sounds = {
        {"Data/Indian.wav", 16, finished(startledCall)},
        {"Data/Cow.wav", 16, finished(moo)},
        {"Data/Farm.wav", 16, finished(hey)},
        {"Data/CowBoy.wav", 16, finished(yeeHaw)},
        {"Data/Crush.wav", 16, finished(crush)},
        {"Data/Splat.wav", 16, finished(splat)},
        {"Data/Wind.wav", 16, finished(wind)},
    };
    return sounds;
}

} // namespace datagen
