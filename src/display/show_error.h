// The start-up error box: the message, the caption "Kestravan - Error", and the end of the
// window, after which the message loop ends.
#pragma once

#include "platform/result.h"
#include "platform/window.h"

HResult showError(platform::Window* window, HResult result, const char* message);
