// The scripted back end's text is the built-in font.
#include "platform/emulation/builtin_font.h"

namespace platform::backend {

bool renderText(const char* text, int length, TextMask& mask) {
    return renderBuiltinText(text, length, mask);
}

} // namespace platform::backend
