// Where the game's 1024 x 768 screen goes on an output of another size: scaled to fit, or by
// the largest whole multiple that fits, centred with black bars on the sides left over; and
// which point of the game's screen lies under a point of the output.
#pragma once

#include <algorithm>

#include "platform/window.h"

namespace platform {

struct Placement {
    int x = 0;
    int y = 0;
    int width = ScreenWidth;
    int height = ScreenHeight;
    bool operator==(const Placement&) const = default;
};

// In an output smaller than the game's screen no whole multiple fits: then it fits as well
// as it can.
constexpr Placement placeScreen(int outputWidth, int outputHeight, bool integerScale) {
    if (outputWidth <= 0 || outputHeight <= 0) {
        return {};
    }
    Placement placement;
    const int whole = std::min(outputWidth / ScreenWidth, outputHeight / ScreenHeight);
    if (integerScale && whole >= 1) {
        placement.width = ScreenWidth * whole;
        placement.height = ScreenHeight * whole;
    } else if (static_cast<long long>(outputWidth) * ScreenHeight <=
               static_cast<long long>(outputHeight) * ScreenWidth) {
        placement.width = outputWidth;
        placement.height =
            static_cast<int>(static_cast<long long>(outputWidth) * ScreenHeight / ScreenWidth);
    } else {
        placement.height = outputHeight;
        placement.width =
            static_cast<int>(static_cast<long long>(outputHeight) * ScreenWidth / ScreenHeight);
    }
    placement.x = (outputWidth - placement.width) / 2;
    placement.y = (outputHeight - placement.height) / 2;
    return placement;
}

// The game's point under an output point; points on the bars go to the nearest edge.
constexpr Point screenPoint(const Placement& placement, int outputX, int outputY) {
    if (placement.width <= 0 || placement.height <= 0) {
        return clampToScreen(outputX, outputY);
    }
    const long long x = static_cast<long long>(outputX - placement.x) * ScreenWidth;
    const long long y = static_cast<long long>(outputY - placement.y) * ScreenHeight;
    // Rounded towards minus infinity, so that the bar left of the picture is left of column 0.
    const auto floorDiv = [](long long value, int by) {
        return static_cast<int>(value >= 0 ? value / by : -((-value + by - 1) / by));
    };
    return clampToScreen(floorDiv(x, placement.width), floorDiv(y, placement.height));
}

} // namespace platform
