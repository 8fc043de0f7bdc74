// The palettised, double-buffered display: the display device, its flipping surfaces, the
// palette, off-screen surfaces, text, and the flip that shows each frame.
//
// Every call returns a result; the display counts anything but S_OK as failure. Surfaces and
// palettes belong to the device that made them and go when it is released.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/palette.h"
#include "platform/result.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform {

struct DisplayDevice;

// The drawing tools of the status panel: a solid brush and a pen of some width.
struct Brush {
    Rgb colour;
};
struct Pen {
    Rgb colour;
    int width = 1;
};

HResult createDisplayDevice(DisplayDevice** device);
void releaseDisplayDevice(DisplayDevice* device);
// Releases the device, with everything made from it, when its owner lets it go.
struct DisplayDeviceRelease {
    void operator()(DisplayDevice* device) const { releaseDisplayDevice(device); }
};
using DisplayDevicePointer = std::unique_ptr<DisplayDevice, DisplayDeviceRelease>;

// Exclusive full-screen use of the given window.
HResult setCooperativeLevel(DisplayDevice* device, Window* window);
HResult setDisplayMode(DisplayDevice* device, int width, int height, int bitsPerPixel);

// The visible surface, made with one back buffer of the display mode's size.
HResult createPrimarySurface(DisplayDevice* device, Surface** primary);
HResult getBackBuffer(DisplayDevice* device, Surface** backBuffer);

HResult createPalette(DisplayDevice* device, const PaletteEntry* entries, Palette** palette);
HResult setPalette(DisplayDevice* device, Palette* palette);

// An off-screen surface in the display's 8-bit format, filled with index 0.
HResult createSurface(DisplayDevice* device, int width, int height, Surface** surface);

// Gives a surface back before its device goes (a reload replaces every sprite).
void releaseSurface(DisplayDevice* device, Surface* surface);

// Shows the back buffer. DDERR_SURFACELOST when the display lost its surfaces; then
// restore() must run before the next frame shows anything.
HResult flip(DisplayDevice* device);
HResult restore(DisplayDevice* device);

// Text, rectangles and lines on a surface go through its drawing context, which the display
// may refuse for a frame.
HResult getDC(DisplayDevice* device, Surface* surface);
void releaseDC(DisplayDevice* device, Surface* surface);

// Text in the display's ordinary font, top-left corner at (x, y), on an opaque background;
// both colours are mapped to the nearest entries of the palette in use.
HResult textOut(DisplayDevice* device, Surface* surface, int x, int y, const char* text, int length,
                Rgb textColour, Rgb backColour);

} // namespace platform
