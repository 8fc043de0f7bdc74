// Reporting a failed start-up step.
#include "display/show_error.h"

#include <cstdio>

#include "platform/system.h"

HResult showError(platform::Window* window, HResult result, const char* message) {
    // The message is never a format: it is copied as it stands, cut to the box's 128 bytes.
    char text[128];
    std::snprintf(text, sizeof text, "%s", message);
    platform::errorBox("Kestravan - Error", text);
    platform::destroyWindow(window);
    return result;
}
