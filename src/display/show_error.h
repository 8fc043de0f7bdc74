// The start-up error box: the message, the caption "Kestravan - Error", and the end of the
// window, after which the message loop ends.
#pragma once

#include <string>

#include "platform/result.h"
#include "platform/window.h"

HResult showError(platform::Window* window, HResult result, const char* message);

// The same for a failure that comes of one of the game's files (named as the game names it,
// "Data\Cow.wav"): the message stays the box's first line, and the lines below say which file
// was looked for in which folder, and what to do.
HResult showFileError(platform::Window* window, HResult result, const char* message,
                      const char* file);

// The lines showFileError adds, with the platform's separators in the file and the folder.
std::string fileErrorDetails(const char* file, const std::string& folder);
