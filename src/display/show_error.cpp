// Reporting a failed start-up step.
#include "display/show_error.h"

#include <cstdio>
#include <filesystem>

#include "platform/system.h"

namespace {

// The message is never a format: it is copied as it stands, cut to the box's 128 bytes.
std::string firstLine(const char* message) {
    char text[128];
    std::snprintf(text, sizeof text, "%s", message);
    return text;
}

HResult report(platform::Window* window, HResult result, const std::string& text) {
    platform::errorBox("Kestravan - Error", text.c_str());
    platform::destroyWindow(window);
    return result;
}

} // namespace

HResult showError(platform::Window* window, HResult result, const char* message) {
    return report(window, result, firstLine(message));
}

std::string fileErrorDetails(const char* file, const std::string& folder) {
    std::string path = file;
    const char separator = std::filesystem::path::preferred_separator;
    for (char& c : path) {
        if (c == '\\' || c == '/') {
            c = separator;
        }
    }
    return "\n\nThe file " + path + " is missing or damaged in the folder " + folder +
           ".\nReinstall the game so that this folder holds all of its pictures, sounds and "
           "its map.";
}

HResult showFileError(platform::Window* window, HResult result, const char* message,
                      const char* file) {
    std::error_code unknown;
    const std::string folder = std::filesystem::current_path(unknown).string();
    return report(window, result, firstLine(message) + fileErrorDetails(file, folder));
}
