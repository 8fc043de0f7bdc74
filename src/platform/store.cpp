// The per-user store: one small file a value, replaced atomically (write a temporary file
// beside it, flush it to disk, rename it over the old one).
#include "platform/store.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/file_system.h"

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
    std::string line(text, length);
    line += '\n';
    return replaceFile(pathOf(name), line.data(), line.size());
}

} // namespace platform
