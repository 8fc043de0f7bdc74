// The game's one palette: ramps of related colours from dark to light for the pixel art, the
// exact panel colours, and the transparent key at index 254.
#pragma once

#include <array>
#include <cstdint>

namespace datagen {

using Colour = std::uint8_t; // an index into the game palette

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// Keyed sprites paint their transparent pixels with this index; its colour is used by
// nothing else.
inline constexpr Colour Key = 254;
inline constexpr Colour Black = 0;
inline constexpr Colour White = 255;

// Each ramp runs from its darkest shade (level 0) to its lightest.
enum class Ramp {
    Grey,    // neutral greys from black, holding the panel grey RGB(115, 115, 115)
    Stone,   // warm greys: stone, ash, metal
    Grass,   // meadow greens
    Foliage, // deep blue-greens: shadows in the grass, leaves
    Olive,   // dry grass, straw hats in shade
    Water,   // deep to foam
    Shallow, // river shallows and weed
    Earth,   // soil, mud, cow patches, burnt wood
    Wood,    // planks, poles, leather
    Sand,    // sand, straw, canvas, buckskin
    Roof,    // shingles and bricks
    Red,     // cloth, target rings, the panel's bar colour RGB(115, 0, 0)
    Fire,    // flames and sunset oranges
    Gold,    // the bull's eye, hay, lamp light
    Skin,    // faces and hands, light to dark
    Cloth,   // denim and paint blues
    Purple,  // beads, dusk
    Rose,    // snouts, blossoms
    Sky,     // daytime sky
    Sunset,  // evening sky, from violet to pale yellow
    Count
};

class GamePalette {
public:
    GamePalette();

    const std::array<Rgb, 256>& colours() const { return colours_; }
    int size(Ramp ramp) const { return sizes_[static_cast<int>(ramp)]; }
    // The shade at level, clamped to the ramp.
    Colour shade(Ramp ramp, int level) const;
    // The shade at a fraction of the ramp, 0 darkest, 1 lightest.
    Colour shadeAt(Ramp ramp, double fraction) const;
    // Between two neighbouring shades by a 4 x 4 ordered dither at pixel (x, y); level counts
    // shades from the darkest.
    Colour dithered(Ramp ramp, double level, int x, int y) const;
    // The same colour's neighbour steps lighter (or darker, for negative steps) on its own
    // ramp; the key and white stay as they are.
    Colour shift(Colour colour, int steps) const;
    // The entry closest to a colour (exact match first); never the key.
    Colour nearest(Rgb colour) const;

private:
    std::array<Rgb, 256> colours_{};
    std::array<int, static_cast<int>(Ramp::Count)> starts_{};
    std::array<int, static_cast<int>(Ramp::Count)> sizes_{};
};

const GamePalette& palette();

// The threshold of the 4 x 4 ordered dither at (x, y), between 0 and 1.
double bayer(int x, int y);

} // namespace datagen
