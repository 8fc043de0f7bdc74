// Text from a file as it may be shown on a terminal: its control bytes never reach it raw.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// The text with each control byte and DEL written as \xNN, and a backslash as \\.
inline std::string printable(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c == '\\' ? std::string("\\\\") : std::string(1, c);
        }
    }
    return shown;
}

} // namespace platform
