// The little synthesiser the game's sounds are made with: filters, a voice that speaks vowels,
// and the shaping of a sound's loudness over time.
#pragma once

#include <functional>
#include <vector>

namespace datagen {

// A second-order filter whose settings may change while it runs.
class Biquad {
public:
    void bandPass(double frequency, double q);
    void lowPass(double frequency, double q);
    // A resonance that passes low frequencies unchanged and rings at frequency, bandwidth
    // hertz wide: a chain of them shapes a buzz into a vowel.
    void formant(double frequency, double bandwidth);
    double process(double input);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A vowel by its first three formants, in hertz; the fourth sits at 3500 Hz for every vowel.
struct Vowel {
    double f1;
    double f2;
    double f3;
};

// A voice: its pitch, vowel, loudness and breathiness as functions of the time in seconds.
struct VoicePlan {
    double seconds;
    std::function<double(double)> pitch;
    std::function<Vowel(double)> vowel;
    std::function<double(double)> loudness;
    std::function<double(double)> breath; // 0 a clear voice, 1 only air
    unsigned seed;
    double vibrato = 0.0; // depth of the pitch's wobble, as a fraction of the pitch
    double growl = 0.0;   // 0 a smooth voice, 1 every other beat of the throat half as strong
    // A consonant's hiss, made where the tongue or the lips narrow the mouth, so it skips the
    // throat's resonances: its strength beside the voice (0 none) and the middle of its band.
    std::function<double(double)> hiss;
    std::function<double(double)> hissPitch;
};

// A throat and a mouth: a glottal pulse with breath mixed in, through a chain of four
// formant resonators.
std::vector<double> sing(const VoicePlan& plan);

// Vowels in between: t = 0 gives a, 1 gives b.
Vowel blend(const Vowel& a, const Vowel& b, double t);
// A rise over attack seconds and a fall over the last release seconds of length.
double envelope(double t, double attack, double release, double length);
// A natural dying away: 1 until start, then falling steadily by 80 dB over length seconds
// and reaching 0 exactly at start + length.
double dieAway(double t, double start, double length);

} // namespace datagen
