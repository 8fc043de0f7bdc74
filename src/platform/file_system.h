// What the best-score store and the scripted back end need from the file system beyond plain
// C++: folders made with the player's own rights, a file replaced whole, a fresh scratch folder.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Makes the folder and every missing folder above it; true when it exists afterwards.
bool makeFolders(const std::string& path);

// Writes the bytes to a new file beside path, flushes it to disk and puts it in place of the
// old file in one step: a crash part-way leaves the old file whole. False, with nothing left
// behind, when any step fails.
bool replaceFile(const std::string& path, const char* bytes, std::size_t length);

// Why the last call of this seam that failed did, in a few words ("Permission denied").
std::string lastFileError();

// An exclusive lock on a folder, held from construction until it goes; the same lock taken by
// another process waits for it. held() is false when the lock could not be had.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return descriptor_ >= 0 || handle_ != nullptr; }

private:
    int descriptor_ = -1;    // the locked folder's file descriptor (POSIX systems)
    void* handle_ = nullptr; // the lock's mutex (Windows)
};

// A new, empty folder of a unique name in the system's temporary folder, its name starting
// with prefix; empty when none can be made.
std::string makeTemporaryFolder(const char* prefix);

} // namespace platform
