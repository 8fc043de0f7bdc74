// The two ways the Windows back end shows a frame: DirectDraw's exclusive 1024 x 768 x 8
// screen, and GDI scaling into an ordinary window.
#pragma once

#include <cstdint>

#include "platform/display_backend.h"
#include "platform/frame_placement.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::win32 {

// DirectDraw: the device is made once; the exclusive screen is entered and left with the
// mode (Alt+Enter, falling back, leaving the game).
HResult createDirectDraw();
HResult exclusiveStep(backend::DisplayStep step, int width, int height, int bitsPerPixel);
// Takes the whole exclusive screen afresh: co-operation, display mode, surfaces, palette.
HResult enterExclusive();
// Gives the desktop its own mode back and frees the flipping surfaces.
void leaveExclusive();
// Leaving the game loses the screen: its mode goes back to the desktop's.
void loseExclusive();
bool exclusiveLost();
// Sets the display mode again where it was lost and restores the flipping surfaces.
HResult restoreExclusive();
HResult showExclusive(const std::uint8_t* pixels, int width, int height,
                      const PaletteEntry* colours);
void closeDirectDraw();

// GDI: the frame stretched into the window's client area, with black bars around it.
void showScaled(HWND window, const std::uint8_t* pixels, int width, int height,
                const PaletteEntry* colours, bool integerScale);
// Where the frame lies in the window's client area now.
Placement clientPlacement(HWND window, bool integerScale);

} // namespace platform::win32
