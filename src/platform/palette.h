// The 256-entry display palette, and the nearest-colour lookup that maps true-colour pictures
// and drawing colours onto it.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The index of the entry of table closest to colour (squared distance in red, green and blue),
// the lowest of equals; any records with red, green and blue members will do.
template <typename Entry, typename Colour>
int nearestColour(const Entry* table, int count, const Colour& colour) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < count && bestDistance > 0; ++i) {
        const int dr = table[i].red - colour.red;
        const int dg = table[i].green - colour.green;
        const int db = table[i].blue - colour.blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

class Palette {
public:
    explicit Palette(const PaletteEntry* entries);

    const PaletteEntry& operator[](int index) const { return entries_[index]; }
    const std::array<PaletteEntry, 256>& entries() const { return entries_; }

    // The entry with exactly this colour (the lowest such), else the closest one.
    std::uint8_t nearestIndex(Rgb colour) const;

private:
    std::array<PaletteEntry, 256> entries_;
};

} // namespace platform
