// The game palette: a 3-3-2 default palette, replaced by the colour table of a bitmap file.
#pragma once

#include "platform/palette.h"
#include "platform/video.h"

// The 256 entries that the palette file gives over the default palette. A file that does not
// open leaves the default palette.
void loadPaletteEntries(const char* path, platform::PaletteEntry* entries);

// A new palette on the device built from the file's colour table; null when the device makes
// none. A null path gives the default palette.
platform::Palette* DDLoadPalette(platform::DisplayDevice* device, const char* path);
