// How loud the game's sounds are, and the finishing every sound gets so that a landing is as
// loud as a moo: no DC, soft edges, one common loudness and peaks kept under the ceiling.
#pragma once

#include <vector>

namespace datagen {

// Every sound is brought to this loudness, with its peaks held at or below the ceiling.
inline constexpr double SoundLoudnessDb = -15.0;
inline constexpr double SoundCeilingDb = -1.5;

struct Loudness {
    double seconds = 0.0;
    // The RMS of the sounding part: the 10 ms windows louder than -50 dBFS, in dBFS (a full-scale
    // square wave is 0); -200 when nothing sounds.
    double rmsDb = -200.0;
    double peakDb = -200.0; // the loudest sample, in dBFS
    double dcOffset = 0.0;  // the mean of all samples, full scale 1
};

Loudness measureLoudness(const std::vector<double>& samples, int sampleRate);

// Removes the DC, fades the first 5 ms in and the last 30 ms out, and brings the sounding
// part to SoundLoudnessDb with a look-ahead limiter that keeps the peaks under the ceiling.
void finishSound(std::vector<double>& samples, int sampleRate);

} // namespace datagen
