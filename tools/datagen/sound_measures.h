// What a listener would notice in a finished sound, as numbers: how it ends, what storing it
// in the file adds, and whether a voice starts on a consonant.
#pragma once

#include <vector>

namespace datagen {

struct SoundShape {
    // The RMS of the last 10 ms, in dBFS: a sound that has ended is silent here.
    double tailDb = -200.0;
    // The RMS of what the stored samples add to the made ones, in dBFS: the hiss of the
    // file's sample size.
    double noiseFloorDb = -200.0;
    // The steepest fall of the level from one 5 ms stretch to the next, in dB, with anything
    // below -120 dBFS and the time after the end counting as -120 dBFS: a cut falls far in
    // one step, a decay or a release of 30 ms does not.
    double steepestFallDb = 0.0;
    // The share of the first 80 ms's energy that lies above 2 kHz, in dB (0 is all of it):
    // the hiss and burst of a consonant, which a bare vowel lacks.
    double onsetTrebleDb = -200.0;
};

// made: the sound as synthesised; stored: the same sound as the file holds it.
SoundShape measureShape(const std::vector<double>& made, const std::vector<double>& stored,
                        int sampleRate);

} // namespace datagen
