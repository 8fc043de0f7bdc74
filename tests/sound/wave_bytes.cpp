// Wave files put together byte by byte.
#include "wave_bytes.h"

namespace wave {

std::string le16(std::uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string le32(std::uint32_t value) {
    return le16(static_cast<std::uint16_t>(value & 0xFFFF)) +
           le16(static_cast<std::uint16_t>(value >> 16));
}

std::string chunk(const std::string& id, const std::string& body) {
    std::string bytes = id + le32(static_cast<std::uint32_t>(body.size())) + body;
    if (body.size() % 2 != 0) {
        bytes += '\0';
    }
    return bytes;
}

std::string riff(const std::string& formType, const std::string& chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + formType + chunks;
}

std::string formatFields(std::uint16_t formatTag, std::uint16_t channels,
                         std::uint32_t samplesPerSecond, std::uint16_t bitsPerSample) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    return le16(formatTag) + le16(channels) + le32(samplesPerSecond) +
           le32(samplesPerSecond * blockAlign) + le16(blockAlign) + le16(bitsPerSample);
}

std::string pcmFormat(std::uint16_t channels, std::uint32_t samplesPerSecond,
                      std::uint16_t bitsPerSample) {
    return formatFields(1, channels, samplesPerSecond, bitsPerSample);
}

std::string samples(std::size_t count, std::uint8_t seed) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<char>(((i * 7 + seed) % 120) + 4);
    }
    return bytes;
}

std::string file(std::uint16_t channels, std::uint32_t samplesPerSecond,
                 std::uint16_t bitsPerSample, const std::string& data) {
    return riff("WAVE", chunk("fmt ", pcmFormat(channels, samplesPerSecond, bitsPerSample)) +
                            chunk("data", data));
}

} // namespace wave
