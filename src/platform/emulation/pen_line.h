// The pen line the game draws the panel's needle and the menu's outline with: Bresenham along
// the line, a round pen of the given width stamped at every step, both ends included. The data
// generator draws the same needle with it.
#pragma once

#include <algorithm>
#include <cstdlib>

namespace platform {

// Calls plot(x, y) for every pixel the pen covers (a pixel may come more than once); plot
// keeps to its own bounds.
template <typename Plot> void penLine(int x0, int y0, int x1, int y1, int penWidth, Plot&& plot) {
    const int radius = std::max(penWidth, 1) / 2;
    const auto stamp = [&](int cx, int cy) {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (dx * dx + dy * dy <= radius * radius + radius) {
                    plot(cx + dx, cy + dy);
                }
            }
        }
    };
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        stamp(x0, y0);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

} // namespace platform
