// F12's picture: the frame in its palette's colours as a PNG file, named after the moment it
// was taken, in a folder made when needed.
#pragma once

#include <string>

#include "platform/palette.h"
#include "platform/surface.h"

namespace platform {

// The path of the file written; empty, with a line saying why in error, when none could be.
// The file is written whole beside its name and then renamed: a full disk leaves no cut-off
// picture, and an earlier screenshot of the same second is never written over.
std::string writeScreenshotFile(const std::string& folder, const Surface& frame,
                                const Palette& palette, std::string& error);

} // namespace platform
