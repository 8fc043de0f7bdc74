// Turning the 8-bit back buffer into the 32-bit ARGB picture that a true-colour screen shows.
// Every frame goes through it, so it looks pixels up two at a time in a table of all 65,536
// pairs, rebuilt only when the palette changes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/palette.h"
#include "platform/surface.h"

namespace platform {

class PaletteExpander {
public:
    PaletteExpander();

    // Writes the frame as 0xAARRGGBB pixels, opaque, rows pitchBytes apart.
    void expand(const Surface& frame, const Palette& palette, std::uint32_t* out, int pitchBytes);

    // The colour one palette entry shows as.
    static std::uint32_t argb(const PaletteEntry& entry);

private:
    void usePalette(const Palette& palette);

    std::array<std::uint32_t, 256> colours_{};
    bool built_ = false;
    std::vector<std::uint64_t> pairs_; // two pixels, in the order they lie in memory
};

} // namespace platform
