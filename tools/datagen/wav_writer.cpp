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
        const double clipped = std::clamp(sample, -1.0, 1.0);
        if (bytesPerSample == 1) {
            out.push_back(static_cast<std::uint8_t>(std::lround(128.0 + clipped * 127.0)));
        } else {
            put16(out, static_cast<std::uint16_t>(
                           static_cast<std::int16_t>(std::lround(clipped * 32767.0))));
        }
    }
    if (pad != 0) {
        out.push_back(0);
    }
    return out;
}

} // namespace datagen
