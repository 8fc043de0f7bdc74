// Hash noise and value noise for the textures.
#include "datagen/pixel_noise.h"

#include <cmath>

namespace datagen {

std::uint32_t hashPoint(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double random01(int x, int y, std::uint32_t seed) {
    return (hashPoint(x, y, seed) >> 8) / 16777216.0;
}

namespace {

int wrap(int value, int period) {
    if (period <= 0) {
        return value;
    }
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double valueNoise(double x, double y, int cell, int period, std::uint32_t seed) {
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const double tx = smooth(gx - x0);
    const double ty = smooth(gy - y0);
    auto corner = [&](int cx, int cy) {
        return random01(wrap(cx, period), wrap(cy, period), seed);
    };
    const double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * tx;
    const double bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int cell, int period, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves && cell >= 1; ++octave) {
        sum += weight * valueNoise(x, y, cell, period, seed + 101u * octave);
        total += weight;
        weight *= 0.5;
        cell /= 2;
        period *= 2;
    }
    return sum / total;
}

std::uint32_t Random::next() {
    state_ = state_ * 1664525u + 1013904223u;
    std::uint32_t h = state_;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h;
}

} // namespace datagen
