// Deterministic noise for textures: a hash of pixel positions, and smooth value noise that
// can wrap around a tile's edges.
#pragma once

#include <cstdint>

namespace datagen {

std::uint32_t hashPoint(int x, int y, std::uint32_t seed);
// A number in [0, 1) fixed by the point and the seed.
double random01(int x, int y, std::uint32_t seed);
// Smooth noise in [0, 1) on a lattice of cell pixels; with period > 0 the lattice wraps every
// period cells, so a texture of period x cell pixels tiles without seams.
double valueNoise(double x, double y, int cell, int period, std::uint32_t seed);
// Several octaves of value noise, each twice as fine and half as strong.
double fractalNoise(double x, double y, int cell, int period, int octaves, std::uint32_t seed);

// A small deterministic generator for the map and the sounds (not the game's own).
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next();
    int below(int limit) { return static_cast<int>(next() % static_cast<std::uint32_t>(limit)); }
    double unit() { return (next() >> 8) / 16777216.0; }

private:
    std::uint32_t state_;
};

} // namespace datagen
