// Copies, fills and lines on 8-bit surfaces, always cut to both surfaces' bounds.
#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

HResult Surface::bltFast(int x, int y, const Surface& source, const Rect& sourceRect,
                         bool useColorKey) {
    Rect from = sourceRect;
    from.left = std::max(from.left, 0);
    from.top = std::max(from.top, 0);
    from.right = std::min(from.right, source.width());
    from.bottom = std::min(from.bottom, source.height());
    // Keep the destination point tied to the source rectangle's original corner.
    x += from.left - sourceRect.left;
    y += from.top - sourceRect.top;
    if (x < 0) {
        from.left -= x;
        x = 0;
    }
    if (y < 0) {
        from.top -= y;
        y = 0;
    }
    from.right = std::min(from.right, from.left + (width_ - x));
    from.bottom = std::min(from.bottom, from.top + (height_ - y));
    const int copyWidth = from.right - from.left;
    if (copyWidth <= 0 || from.bottom <= from.top) {
        return S_OK;
    }

    const bool keyed = useColorKey && source.colorKeyed();
    for (int sourceY = from.top; sourceY < from.bottom; ++sourceY, ++y) {
        const std::uint8_t* in = source.row(sourceY) + from.left;
        std::uint8_t* out = row(y) + x;
        if (!keyed) {
            std::memcpy(out, in, static_cast<std::size_t>(copyWidth));
            continue;
        }
        for (int i = 0; i < copyWidth; ++i) {
            if (in[i] != TransparentIndex) {
                out[i] = in[i];
            }
        }
    }
    return S_OK;
}

void Surface::fill(std::uint8_t index) {
    std::fill(pixels_.begin(), pixels_.end(), index);
}

void Surface::fillRect(const Rect& rect, std::uint8_t index) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    for (int y = top; y < bottom && left < right; ++y) {
        std::memset(row(y) + left, index, static_cast<std::size_t>(right - left));
    }
}

void Surface::drawLine(int x0, int y0, int x1, int y1, int penWidth, std::uint8_t index) {
    // Bresenham along the line, stamping a round pen at every step.
    const int radius = std::max(penWidth, 1) / 2;
    const auto stamp = [&](int cx, int cy) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const int py = cy + dy;
            if (py < 0 || py >= height_) {
                continue;
            }
            for (int dx = -radius; dx <= radius; ++dx) {
                const int px = cx + dx;
                if (px >= 0 && px < width_ && dx * dx + dy * dy <= radius * radius + radius) {
                    row(py)[px] = index;
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
