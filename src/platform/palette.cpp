// Nearest-colour mapping onto the display palette.
#include "platform/palette.h"

namespace platform {

Palette::Palette(const PaletteEntry* entries) {
    for (int i = 0; i < 256; ++i) {
        entries_[i] = entries[i];
    }
}

std::uint8_t Palette::nearestIndex(Rgb colour) const {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int dr = entries_[i].red - colour.red;
        const int dg = entries_[i].green - colour.green;
        const int db = entries_[i].blue - colour.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) {
                break;
            }
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace platform
