// The per-user store: one small file a value, replaced atomically (write a temporary file
// beside it, flush it to disk, rename it over the old one). Writers that must not undo each
// other hold an exclusive lock on the store's folder while they read and replace.
#include "platform/store.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
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
// line feed ending the file is not part of the value. Reads no more than that, whatever the
// file's size.
StoredValue readValue(const std::string& path, char* buffer, std::size_t capacity,
                      std::size_t& length, StoreFailure& failure) {
    OpenFailure openFailure;
    FILE* file = openRegularFile(path, &openFailure);
    if (file == nullptr) {
        failure = StoreFailure{path, openFailure.reason};
        return openFailure.missing ? StoredValue::Missing : StoredValue::Unreadable;
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
    if (readError) {
        failure = StoreFailure{path, "reading it failed"};
        return StoredValue::Unreadable;
    }
    if (capacity == 0 || size >= capacity || read > limit) {
        failure =
            StoreFailure{path, "it holds more than " +
                                   std::to_string(capacity > 0 ? capacity - 1 : 0) + " characters"};
        return StoredValue::Unreadable;
    }
    std::memcpy(buffer, text, size);
    buffer[size] = '\0';
    length = size;
    return StoredValue::Found;
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

std::string makeScratchStore() {
    namespace fs = std::filesystem;
    std::error_code failure;
    const fs::path temporary = fs::temp_directory_path(failure);
    if (failure) {
        return std::string();
    }
    // A folder nobody has: create_directory says false for one that is already there.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder =
            temporary / ("kestravan-demo-" + std::to_string(stamp) + "-" + std::to_string(attempt));
        if (fs::create_directory(folder, failure)) {
            return folder.string();
        }
    }
    return std::string();
}

void removeScratchStore(const std::string& place) {
    std::error_code ignored;
    if (!place.empty()) {
        std::filesystem::remove_all(place, ignored);
    }
}

std::string storeFolder() {
    return chosenFolder.empty() ? defaultStoreFolder() : chosenFolder;
}

bool openStore() {
    const std::string folder = storeFolder();
    return !folder.empty() && makeFolders(folder);
}

StoredValue readStoredValue(const char* name, char* buffer, std::size_t capacity,
                            std::size_t& length, StoreFailure& failure) {
    const std::string folder = storeFolder();
    return folder.empty() ? StoredValue::Missing
                          : readValue(pathOf(folder, name), buffer, capacity, length, failure);
}

bool writeStoredValue(const char* name, const char* text, std::size_t length) {
    StoreFailure failure;
    const std::string folder = storeFolder();
    return prepareFolder(folder, failure) &&
           replaceValue(folder, name, text, length, failure) == StoreOutcome::Replaced;
}

StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  std::size_t capacity, const ReplaceTest& shouldReplace,
                                  StoreFailure& failure) {
    const std::string folder = storeFolder();
    if (!prepareFolder(folder, failure)) {
        return StoreOutcome::Failed;
    }
    const FolderLock lock(folder);
    if (!lock.held()) {
        failure = StoreFailure{folder, lock.busy() ? "another game holds the store's lock"
                                                   : lastFileError()};
        return StoreOutcome::Failed;
    }
    char stored[ValueRoom];
    std::size_t storedLength = 0;
    const StoredValue read =
        readValue(pathOf(folder, name), stored, capacity < sizeof stored ? capacity : sizeof stored,
                  storedLength, failure);
    if (read == StoredValue::Unreadable) {
        return StoreOutcome::Unreadable;
    }
    const bool found = read == StoredValue::Found;
    return shouldReplace(found ? stored : nullptr, found ? storedLength : 0)
               ? replaceValue(folder, name, text, length, failure)
               : StoreOutcome::Kept;
}

} // namespace platform
