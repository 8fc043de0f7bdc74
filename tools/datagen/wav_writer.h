// Writes mono PCM wave files at the game's 22050 samples per second, in 8 or 16 bits.
#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

inline constexpr int SampleRate = 22050;

// The RIFF WAVE bytes: "RIFF", "WAVE", a 16-byte PCM "fmt " chunk and the "data" chunk.
// Samples run from -1 to 1 and are clipped there.
std::vector<std::uint8_t> encodeWave(const std::vector<double>& samples, int bitsPerSample);

// The samples as the file holds them, back on the scale of -1 to 1: what a listener hears.
std::vector<double> storedSamples(const std::vector<double>& samples, int bitsPerSample);

} // namespace datagen
