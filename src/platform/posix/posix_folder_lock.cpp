// The store's lock on a POSIX system: flock on the folder, which other processes wait for.
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace platform {

// The lock sits on the folder itself, so that the folder holds nothing but its files.
FolderLock::FolderLock(const std::string& folder) {
    const int file = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0) {
        return;
    }
    int locked = 0;
    while ((locked = flock(file, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        const int error = errno;
        close(file);
        errno = error;
        return;
    }
    handle_ = new int(file);
}

FolderLock::~FolderLock() {
    if (auto* file = static_cast<int*>(handle_)) {
        close(*file); // and with it the lock
        delete file;
    }
}

} // namespace platform
