// What the game needs from the file system beyond plain C++: files read only when they are
// regular files, folders made with the player's own rights, a file replaced whole, a lock
// waited for a bounded time, a fresh scratch folder.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace platform {

// Why a file could not be opened: missing, or the reason in a few words.
struct OpenFailure {
    bool missing = false;
    std::string reason;
};

// Opens the file to read its bytes, when it is a regular file. A pipe, device, socket or folder
// in its place is never waited on: it is refused, and named in one line on the game's
// diagnostics unless the caller takes the failure to report it itself. Null when the file
// cannot be read.
std::FILE* openRegularFile(const std::string& path, OpenFailure* failure = nullptr);

// Makes the folder and every missing folder above it; true when it exists afterwards.
bool makeFolders(const std::string& path);

// Writes the bytes to a new file beside path, flushes it to disk and puts it in place of the
// old file in one step: a crash part-way leaves the old file whole. False, with nothing left
// behind, when any step fails.
bool replaceFile(const std::string& path, const char* bytes, std::size_t length);

// Why the last call of this seam that failed did, in a few words ("Permission denied").
std::string lastFileError();

// An exclusive lock on a folder, held from construction until it goes; the same lock taken by
// another process waits for it, a tenth of a second at most. held() is false when the lock
// could not be had; busy() then says whether another process holds it.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return descriptor_ >= 0 || handle_ != nullptr; }
    bool busy() const { return busy_; }

private:
    int descriptor_ = -1;    // the locked folder's file descriptor (POSIX systems)
    void* handle_ = nullptr; // the lock's mutex (Windows)
    bool busy_ = false;      // another game held the lock for longer than the game waits
};

// A new, empty folder of a unique name in the system's temporary folder, its name starting
// with prefix; empty when none can be made.
std::string makeTemporaryFolder(const char* prefix);

// Removes the folder and all it holds once this process has ended, however it ends, a signal
// included: a small watcher process waits for the end. False when the system cannot do that.
bool removeAfterExit(const std::string& folder);

} // namespace platform
