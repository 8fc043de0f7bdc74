// Mono PCM wave files: 8-bit samples are unsigned around 128, 16-bit ones signed.
#include "datagen/wav_writer.h"
#include "datagen/little_endian.h"

#include <algorithm>
#include <cmath>

namespace datagen {

namespace {

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

// A sample as the file stores it: 8-bit ones from 1 to 255 around 128, 16-bit ones from
// -32767 to 32767.
long quantise(double sample, int bytesPerSample) {
    const double clipped = std::clamp(sample, -1.0, 1.0);
    return bytesPerSample == 1 ? std::lround(128.0 + clipped * 127.0)
                               : std::lround(clipped * 32767.0);
}

} // namespace

std::vector<std::uint8_t> encodeWave(const std::vector<double>& samples, int bitsPerSample) {
    const std::uint32_t bytesPerSample = bitsPerSample == 8 ? 1 : 2;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const std::uint32_t pad = dataSize & 1;

    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 4 + (8 + 16) + (8 + dataSize + pad));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * bytesPerSample);
    put16(out, bytesPerSample);
    put16(out, bytesPerSample * 8);
    putTag(out, "data");
    put32(out, dataSize);
    for (double sample : samples) {
        const long stored = quantise(sample, bytesPerSample);
        if (bytesPerSample == 1) {
            out.push_back(static_cast<std::uint8_t>(stored));
        } else {
            put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(stored)));
        }
    }
    if (pad != 0) {
        out.push_back(0);
    }
    return out;
}

std::vector<double> storedSamples(const std::vector<double>& samples, int bitsPerSample) {
    const int bytesPerSample = bitsPerSample == 8 ? 1 : 2;
    std::vector<double> stored;
    stored.reserve(samples.size());
    for (double sample : samples) {
        const long value = quantise(sample, bytesPerSample);
        stored.push_back(bytesPerSample == 1 ? (value - 128) / 127.0 : value / 32767.0);
    }
    return stored;
}

} // namespace datagen
