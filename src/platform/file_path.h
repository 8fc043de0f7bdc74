// The game names its files with '\' ("Data\Cursor.bmp"); the file system wants '/'.
#pragma once

#include <string>

namespace platform {

inline std::string nativePath(const char* gamePath) {
    std::string path(gamePath != nullptr ? gamePath : "");
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

} // namespace platform
