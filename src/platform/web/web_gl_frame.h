// Frames through WebGL: the 8-bit frame goes to the graphics card as it is, one byte a pixel,
// with the 256 colours as a second texture, and the card looks each pixel's colour up.
#pragma once

#include <cstdint>

#include "platform/palette.h"

namespace platform::web {

// Sets the page's canvas up for WebGL frames of the size; false where the browser has no WebGL,
// where its WebGL runs on the processor (slower than the 2D canvas) unless the page asks for it
// all the same, or where the page asks for the 2D canvas. The canvas is then left untouched.
bool startGlFrames(int width, int height);

// Shows the frame, its rows packed one after the other. colours is null when the palette is
// the one shown last.
void showGlFrame(const std::uint8_t* pixels, const PaletteEntry* colours);

} // namespace platform::web
