// An 8-bit palettised picture in memory: the back buffer, every sprite, the full-screen
// pictures. Copies between surfaces are opaque or skip the transparent palette index 254.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/result.h"

namespace platform {

inline constexpr std::uint8_t TransparentIndex = 254;

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Surface {
public:
    Surface(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return width_; }
    std::uint8_t* pixels() { return pixels_.data(); }
    const std::uint8_t* pixels() const { return pixels_.data(); }
    std::uint8_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint8_t* row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // With a colour key, keyed copies from this surface leave index 254 out.
    void setColorKey(bool keyed) { colorKeyed_ = keyed; }
    bool colorKeyed() const { return colorKeyed_; }

    // Copies sourceRect of source to (x, y). With useColorKey and a keyed source, pixels of
    // index 254 are skipped. Whatever falls outside either surface is cut off.
    HResult bltFast(int x, int y, const Surface& source, const Rect& sourceRect, bool useColorKey);

    void fill(std::uint8_t index);
    void fillRect(const Rect& rect, std::uint8_t index);

    // A line drawn with a round pen of the given width, both ends included.
    void drawLine(int x0, int y0, int x1, int y1, int penWidth, std::uint8_t index);

private:
    int width_;
    int height_;
    bool colorKeyed_ = false;
    std::vector<std::uint8_t> pixels_;
};

} // namespace platform
