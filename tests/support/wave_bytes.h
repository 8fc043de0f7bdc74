// Wave files put together byte by byte, so that each test says exactly what its file holds.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/audio.h"

namespace wave {

inline std::string le16(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

inline std::string le32(std::uint32_t value) {
    return le16(static_cast<std::uint16_t>(value)) + le16(static_cast<std::uint16_t>(value >> 16));
}

// A chunk: identifier, body size, body, and a pad byte after an odd body.
inline std::string chunk(const std::string& id, const std::string& body) {
    return id + le32(static_cast<std::uint32_t>(body.size())) + body +
           std::string(body.size() % 2, '\0');
}

// A "RIFF" form whose size covers the form type and the chunks.
inline std::string riff(const std::string& formType, const std::string& chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + formType + chunks;
}

// The 16 bytes of a "fmt " body (tag 1 is PCM), with the sizes that follow from the layout.
inline std::string format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                          std::uint16_t bits) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) +
           le16(bits);
}

// count bytes that differ from their neighbours and from silence.
inline std::string samples(std::size_t count, std::uint8_t seed = 1) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<char>(((i * 7 + seed) % 120) + 4);
    }
    return bytes;
}

// A whole plain PCM wave: "fmt " then "data".
inline std::string file(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                        const std::string& data) {
    return riff("WAVE", chunk("fmt ", format(1, channels, rate, bits)) + chunk("data", data));
}

// A format record as one row of numbers: tag, channels, rate, bytes a second, block, bits, extra.
using Fields = std::array<std::uint32_t, 7>;
inline Fields fieldsOf(const platform::WaveFormat& f) {
    return {f.formatTag,  f.channels,      f.samplesPerSecond, f.averageBytesPerSecond,
            f.blockAlign, f.bitsPerSample, f.extraSize};
}

} // namespace wave
