// The per-user store: one small file a value, replaced atomically (write a temporary file
// beside it, flush it to disk, rename it over the old one).
#include "platform/store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string chosenFolder;

std::string pathOf(const char* name) {
    std::string folder = storeFolder();
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder + name;
}

bool makeFolders(const std::string& path) {
    std::string partial;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        partial = path.substr(0, end);
        if (!partial.empty() && mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writeAll(int file, const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = write(file, data, length);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

void setStoreFolder(const std::string& folder) {
    chosenFolder = folder;
}

std::string storeFolder() {
    return chosenFolder.empty() ? defaultStoreFolder() : chosenFolder;
}

bool openStore() {
    const std::string folder = storeFolder();
    return !folder.empty() && makeFolders(folder);
}

bool readStoredValue(const char* name, char* buffer, std::size_t capacity, std::size_t& length) {
    FILE* file = std::fopen(pathOf(name).c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    // One byte more than fits tells a value that is too long from one that just fits.
    char text[256];
    const std::size_t limit = capacity < sizeof text ? capacity : sizeof text - 1;
    const std::size_t read = std::fread(text, 1, limit + 1, file);
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    std::size_t size = read;
    if (size > 0 && text[size - 1] == '\n') {
        --size; // the file ends its one line with a line feed
    }
    if (readError || capacity == 0 || size >= capacity || read > limit) {
        return false;
    }
    std::memcpy(buffer, text, size);
    buffer[size] = '\0';
    length = size;
    return true;
}

bool writeStoredValue(const char* name, const char* text, std::size_t length) {
    if (!openStore()) {
        return false;
    }
    const std::string path = pathOf(name);
    std::string temporary = path + ".XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0) {
        return false;
    }
    const bool written =
        writeAll(file, text, length) && writeAll(file, "\n", 1) && fsync(file) == 0;
    const bool closed = close(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int folder = open(storeFolder().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

} // namespace platform
