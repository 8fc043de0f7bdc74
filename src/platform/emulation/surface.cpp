// Copies, fills and lines on 8-bit surfaces, always cut to both surfaces' bounds.
#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/emulation/pen_line.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// One row of an opaque copy. Tiles and figures are narrow, so their rows are copied inline,
// sixteen bytes at a time with the last sixteen overlapping; wide rows go to memcpy.
void copyRowOpaque(std::uint8_t* out, const std::uint8_t* in, int count) {
#if defined(__SSE2__)
    if (count >= 16 && count < 256) {
        const auto copy = [&](int at) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at)));
        };
        int i = 0;
        for (; i + 16 <= count; i += 16) {
            copy(i);
        }
        if (i < count) {
            copy(count - 16);
        }
        return;
    }
#endif
    std::memcpy(out, in, static_cast<std::size_t>(count));
}

// One row of a keyed copy: every source pixel but the transparent index replaces the one
// beneath. Sixteen pixels at a time where the machine has SSE2; the last sixteen of a row
// are done again overlapping, which gives the same pixels.
void copyRowKeyed(std::uint8_t* out, const std::uint8_t* in, int count) {
    int i = 0;
#if defined(__SSE2__)
    if (count >= 16) {
        const __m128i key = _mm_set1_epi8(static_cast<char>(TransparentIndex));
        const auto blend = [&](int at) {
            const __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
            const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + at));
            const __m128i transparent = _mm_cmpeq_epi8(source, key);
            const __m128i result = _mm_or_si128(_mm_and_si128(transparent, below),
                                                _mm_andnot_si128(transparent, source));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), result);
        };
        for (; i + 16 <= count; i += 16) {
            blend(i);
        }
        if (i < count) {
            blend(count - 16);
        }
        return;
    }
#endif
    for (; i < count; ++i) {
        if (in[i] != TransparentIndex) {
            out[i] = in[i];
        }
    }
}

} // namespace

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
    // Keep the destination point tied to the source rectangle's corner before the cut.
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
            copyRowOpaque(out, in, copyWidth);
            continue;
        }
        copyRowKeyed(out, in, copyWidth);
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
    penLine(x0, y0, x1, y1, penWidth, [&](int x, int y) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) {
            row(y)[x] = index;
        }
    });
}

} // namespace platform
