// What each back end adds to the display: its share of each set-up step, showing a finished
// frame, recovering lost surfaces, and rendering text. The rest of the display is plain memory
// and lives in video.cpp, the same on every back end.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/palette.h"
#include "platform/result.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform::backend {

enum class DisplayStep {
    CreateDevice,
    CooperativeLevel,
    DisplayMode,
    PrimarySurface,
    BackBuffer,
    CreatePalette,
    SetPalette,
};

// The back end's part of one set-up step; anything but S_OK fails the step.
HResult displayStep(DisplayStep step, Window* window, int width, int height, int bitsPerPixel);

// Shows the frame through the palette and returns when the next frame is due.
// DDERR_SURFACELOST when the screen's own resources were lost since the last frame.
HResult present(const Surface& frame, const Palette& palette);
HResult restoreDisplay();

// Whether a drawing context can be had for this frame.
HResult acquireDC();

// Text rendered as coverage, 0 (background) to 255 (text), one byte a pixel, row by row.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;
};
bool renderText(const char* text, int length, TextMask& mask);

void closeDisplay();

} // namespace platform::backend
