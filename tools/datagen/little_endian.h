// Little-endian numbers at the end of a byte buffer, as BMP and RIFF files store them.
#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace datagen
