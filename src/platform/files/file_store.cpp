// The per-user store: one small file a value, replaced atomically (write a temporary file
// beside it, flush it to disk, rename it over the old one). Writers that must not undo each
// other hold an exclusive lock on the store's folder while they read and replace.
#include "platform/store.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/file_system.h"

namespace platform {

namespace {

std::string chosenFolder;

// Room for any value readStoredValue can give, its terminating zero included.
constexpr std::size_t ValueRoom = 256;

std::string pathOf(const std::string& folder, const char* name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + '/' + name;
}

// Reads the value's file whole when it fits in capacity bytes with a terminating zero; a
// line feed ending the file is not part of the value.
bool readValue(const std::string& path, char* buffer, std::size_t capacity, std::size_t& length) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    // One byte more than fits tells a value that is too long from one that just fits.
    char text[ValueRoom];
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

// The folder, made when missing; false with failure filled in when there is none.
bool prepareFolder(const std::string& folder, StoreFailure& failure) {
    if (folder.empty()) {
        failure = StoreFailure{"the player's data folder", "it could not be made"};
        return false;
    }
    if (!makeFolders(folder)) {
        failure = StoreFailure{folder, lastFileError()};
        return false;
    }
    return true;
}

StoreOutcome replaceValue(const std::string& folder, const char* name, const char* text,
                          std::size_t length, StoreFailure& failure) {
    std::string line(text, length);
    line += '\n';
    const std::string path = pathOf(folder, name);
    if (!replaceFile(path, line.data(), line.size())) {
        failure = StoreFailure{path, lastFileError()};
        return StoreOutcome::Failed;
    }
    return StoreOutcome::Replaced;
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
    const std::string folder = storeFolder();
    return !folder.empty() && readValue(pathOf(folder, name), buffer, capacity, length);
}

bool writeStoredValue(const char* name, const char* text, std::size_t length) {
    StoreFailure failure;
    const std::string folder = storeFolder();
    return prepareFolder(folder, failure) &&
           replaceValue(folder, name, text, length, failure) == StoreOutcome::Replaced;
}

StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  const ReplaceTest& shouldReplace, StoreFailure& failure) {
    const std::string folder = storeFolder();
    if (!prepareFolder(folder, failure)) {
        return StoreOutcome::Failed;
    }
    const FolderLock lock(folder);
    if (!lock.held()) {
        failure = StoreFailure{folder, lastFileError()};
        return StoreOutcome::Failed;
    }
    char stored[ValueRoom];
    std::size_t storedLength = 0;
    const bool found = readValue(pathOf(folder, name), stored, sizeof stored, storedLength);
    return shouldReplace(found ? stored : nullptr, found ? storedLength : 0)
               ? replaceValue(folder, name, text, length, failure)
               : StoreOutcome::Kept;
}

} // namespace platform
