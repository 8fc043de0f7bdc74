// Palette expansion of whole frames, two pixels a look-up.
#include "platform/emulation/palette_expander.h"

#include <bit>
#include <cstring>

namespace platform {

PaletteExpander::PaletteExpander() : pairs_(65536) {}

std::uint32_t PaletteExpander::argb(const PaletteEntry& entry) {
    return 0xFF000000u | (std::uint32_t{entry.red} << 16) | (std::uint32_t{entry.green} << 8) |
           entry.blue;
}

void PaletteExpander::usePalette(const Palette& palette) {
    std::array<std::uint32_t, 256> colours;
    for (int i = 0; i < 256; ++i) {
        colours[i] = argb(palette[i]);
    }
    if (built_ && colours == colours_) {
        return;
    }
    colours_ = colours;
    built_ = true;
    // A pair is looked up by the two index bytes as they lie in memory, read as one 16-bit
    // number; the two colours are stored so that they land in memory in the same order.
    constexpr bool little = std::endian::native == std::endian::little;
    for (std::uint32_t pair = 0; pair < 65536; ++pair) {
        const std::uint64_t low = colours_[pair & 0xFF];
        const std::uint64_t high = colours_[pair >> 8];
        pairs_[pair] = little ? low | (high << 32) : (low << 32) | high;
    }
}

void PaletteExpander::expand(const Surface& frame, const Palette& palette, std::uint32_t* out,
                             int pitchBytes) {
    usePalette(palette);
    const int width = frame.width();
    for (int y = 0; y < frame.height(); ++y) {
        const std::uint8_t* in = frame.row(y);
        auto* row = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(out) +
                                                     static_cast<std::ptrdiff_t>(y) * pitchBytes);
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            std::uint16_t pairs[4];
            std::memcpy(pairs, in + x, sizeof pairs);
            std::uint64_t colours[4] = {pairs_[pairs[0]], pairs_[pairs[1]], pairs_[pairs[2]],
                                        pairs_[pairs[3]]};
            std::memcpy(row + x, colours, sizeof colours);
        }
        for (; x < width; ++x) {
            row[x] = colours_[in[x]];
        }
    }
}

} // namespace platform
