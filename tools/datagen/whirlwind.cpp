// The whirlwind, four frames of a spinning funnel over a cloud of dust, and the mouse cursor:
// an arrow whose tip, the point that counts, is the middle of its top edge.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "datagen/art.h"
#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

Canvas paintWhirlwindFrame(int frame) {
    const GamePalette& p = palette();
    Canvas funnel(32, 32);
    const double phase = frame * std::numbers::pi / 2.0;
    auto halfWidth = [](double y) {
        return 1.8 + 12.8 * std::pow(std::max(0.0, (27.0 - y) / 26.0), 1.5);
    };
    auto centre = [phase](double y) {
        return 16.0 + 1.6 * std::sin(phase + y * 0.16) * (27.0 - y) / 26.0;
    };
    funnel.paint(
        [&](double x, double y) {
            return y >= 1.0 && y <= 28.0 && std::abs(x - centre(y)) <= halfWidth(y);
        },
        [&](int x, int y) {
            const double across = (x + 0.5 - centre(y + 0.5)) / halfWidth(y + 0.5);
            // Bands wind round the funnel and climb a little each frame.
            const double band = std::sin(across * 2.4 + y * 0.62 - phase * 1.5);
            double level = 10.5 - across * 2.6 + band * 1.9 - (y > 18 ? 1.5 : 0.0);
            if (std::abs(across) > 0.85) {
                level -= 2.0;
            }
            return p.dithered(Ramp::Grey, level + (random01(x, y, 100 + frame) - 0.5), x, y);
        });
    // Dust whirled up at the foot, ragged at its edge.
    funnel.paint(
        [&](double x, double y) {
            const double nx = (x - 16.0) / 10.5;
            const double ny = (y - 28.3) / 3.4;
            return nx * nx + ny * ny <=
                   1.0 - random01(static_cast<int>(x), static_cast<int>(y), 110 + frame) * 0.45;
        },
        [&](int x, int y) {
            return p.dithered(Ramp::Earth, 8.5 + (random01(x, y, 120 + frame) - 0.3) * 3.0, x, y);
        });
    // Bits of straw and stone flying round it.
    for (int bit = 0; bit < 4; ++bit) {
        const double a = phase + bit * std::numbers::pi / 2.0 + 0.4;
        const double y = 6.0 + bit * 5.5;
        const double r = halfWidth(y) + 2.5;
        const int x = static_cast<int>(std::lround(centre(y) + std::cos(a) * r));
        if (std::sin(a) > -0.3) { // in front of the funnel
            funnel.set(x, static_cast<int>(y),
                       bit % 2 == 0 ? p.shade(Ramp::Earth, 3) : p.shade(Ramp::Gold, 8));
            funnel.set(x + 1, static_cast<int>(y),
                       bit % 2 == 0 ? p.shade(Ramp::Earth, 5) : p.shade(Ramp::Gold, 6));
        }
    }
    return funnel;
}

} // namespace

Canvas paintWhirlwind() {
    Canvas strip(128, 32);
    for (int frame = 0; frame < 4; ++frame) {
        strip.blit(paintWhirlwindFrame(frame), 32 * frame, 0);
    }
    return strip;
}

Canvas paintCursor() {
    const GamePalette& p = palette();
    Canvas cursor(32, 32);
    // Head rows 1..11 widen one pixel each side every row; the shaft runs below it.
    for (int y = 1; y <= 11; ++y) {
        const int half = (y - 1) * 7 / 10;
        for (int x = 16 - half; x <= 16 + half; ++x) {
            cursor.set(x, y, x > 16 ? p.shade(Ramp::Grey, 12) : White);
        }
    }
    for (int y = 12; y <= 20; ++y) {
        for (int x = 14; x <= 18; ++x) {
            cursor.set(x, y, x > 16 ? p.shade(Ramp::Grey, 12) : White);
        }
    }
    cursor.outline(Black);
    return cursor;
}

} // namespace datagen
