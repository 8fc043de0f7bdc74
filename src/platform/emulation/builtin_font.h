// The game's own small font, for the scripted back end, for demos (whose frames must match the
// simulator's) and wherever no system font is found.
#pragma once

#include "platform/display_backend.h"

namespace platform {

// The text as coverage; false for no text.
bool renderBuiltinText(const char* text, int length, backend::TextMask& mask);

} // namespace platform
