// Nearest-colour mapping onto the display palette.
#include "platform/palette.h"

namespace platform {

Palette::Palette(const PaletteEntry* entries) {
    for (int i = 0; i < 256; ++i) {
        entries_[i] = entries[i];
    }
}

std::uint8_t Palette::nearestIndex(Rgb colour) const {
    return static_cast<std::uint8_t>(nearestColour(entries_.data(), 256, colour));
}

} // namespace platform
