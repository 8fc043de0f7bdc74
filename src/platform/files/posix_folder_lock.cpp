// The store's lock on a POSIX system: flock on the folder, which another game holds only
// briefly. The browser has a lock of its own, across its tabs.
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
    // Tries every millisecond for a tenth of a second: a game that holds it longer is stuck.
    int locked = -1;
    for (int attempt = 0; attempt <= 100; ++attempt) {
        if (attempt > 0) {
            usleep(1000);
        }
        locked = flock(file, LOCK_EX | LOCK_NB);
        if (locked == 0 || (errno != EWOULDBLOCK && errno != EINTR)) {
            break;
        }
    }
    if (locked != 0) {
        const int error = errno;
        busy_ = error == EWOULDBLOCK;
        close(file);
        errno = error;
        return;
    }
    descriptor_ = file;
}

FolderLock::~FolderLock() {
    if (descriptor_ >= 0) {
        close(descriptor_); // and with it the lock
    }
}

} // namespace platform
