// Wave files put together byte by byte, so that each test says exactly what its file holds.
#pragma once

#include <cstdint>
#include <string>

namespace wave {

std::string le16(std::uint16_t value);
std::string le32(std::uint32_t value);

// A chunk: identifier, body size, body, and a pad byte after an odd body.
std::string chunk(const std::string& id, const std::string& body);
// A "RIFF" form whose size covers the form type and the chunks.
std::string riff(const std::string& formType, const std::string& chunks);

// The 16 bytes of a "fmt " body, with the sizes that follow from the layout.
std::string formatFields(std::uint16_t formatTag, std::uint16_t channels,
                         std::uint32_t samplesPerSecond, std::uint16_t bitsPerSample);
std::string pcmFormat(std::uint16_t channels, std::uint32_t samplesPerSecond,
                      std::uint16_t bitsPerSample);

// count bytes that differ from their neighbours and from silence.
std::string samples(std::size_t count, std::uint8_t seed = 1);

// A whole plain wave: "fmt " then "data".
std::string file(std::uint16_t channels, std::uint32_t samplesPerSecond,
                 std::uint16_t bitsPerSample, const std::string& data);

} // namespace wave
