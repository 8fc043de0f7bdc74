// What every way of showing the bench's frame is given: the 8-bit frame of the game's size and
// its 256-colour palette, and the placement of the scaled frame in the window.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/frame_placement.h"

#include <windows.h>

namespace present {

constexpr int Width = platform::ScreenWidth;
constexpr int Height = platform::ScreenHeight;

struct Frame {
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(Width * Height);
    std::array<RGBQUAD, 256> colours{};
};

// Direct3D 9 in a window: the frame goes up each frame as an 8-bit texture, the palette as a
// 256 x 1 texture, and a pixel shader looks every pixel's colour up while a point-sampled quad
// scales it to the placement.
class Direct3DWindow {
public:
    virtual ~Direct3DWindow() = default;
    virtual void show(const Frame& frame, const platform::Placement& place) = 0;

    // Nothing when the machine cannot offer it or draws the frame wrong, with why in reason.
    static std::unique_ptr<Direct3DWindow> open(HWND window, const Frame& frame,
                                                std::string& reason);
};

} // namespace present
