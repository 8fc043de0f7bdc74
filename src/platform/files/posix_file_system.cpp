// Regular files, folders, whole-file replacement, the folder lock and scratch folders on a
// POSIX system.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/system.h"

namespace platform {

namespace {

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

const char* kindOf(mode_t mode) {
    return S_ISDIR(mode)                    ? "a folder"
           : S_ISFIFO(mode)                 ? "a pipe"
           : S_ISSOCK(mode)                 ? "a socket"
           : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                            : "not a file";
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

} // namespace

// Opened without waiting (a pipe with no writer would block open() itself), then checked by
// what the open handle is, so that nothing can be swapped in between.
std::FILE* openRegularFile(const std::string& path, OpenFailure* failure) {
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0) {
        if (failure != nullptr) {
            *failure = OpenFailure{errno == ENOENT, std::strerror(errno)};
        }
        return nullptr;
    }
    struct stat info {};
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode)) {
        const std::string reason = std::string(kindOf(info.st_mode)) + ", not a regular file";
        close(file);
        if (failure != nullptr) {
            *failure = OpenFailure{false, reason};
        } else {
            debugLine((path + ": " + reason + "; not read\n").c_str());
        }
        errno = EINVAL;
        return nullptr;
    }
    const int flags = fcntl(file, F_GETFL);
    std::FILE* stream = nullptr;
    if (flags != -1 && fcntl(file, F_SETFL, flags & ~O_NONBLOCK) == 0) {
        stream = fdopen(file, "rb");
    }
    if (stream == nullptr) {
        const int error = errno;
        close(file);
        errno = error;
        if (failure != nullptr) {
            *failure = OpenFailure{false, std::strerror(error)};
        }
    }
    return stream;
}

bool makeFolders(const std::string& path) {
    struct stat made {};
    if (stat(path.c_str(), &made) == 0 && S_ISDIR(made.st_mode)) {
        return true; // the usual case: made long ago
    }
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
    if (stat(path.c_str(), &info) != 0) {
        return false;
    }
    errno = S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    return S_ISDIR(info.st_mode);
}

bool replaceFile(const std::string& path, const char* bytes, std::size_t length) {
    std::string temporary = path + ".XXXXXX";
    const int file = mkstemp(temporary.data());
    if (file < 0) {
        return false;
    }
    const bool written = writeAll(file, bytes, length) && fsync(file) == 0;
    const bool closed = close(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    // Make the rename itself durable.
    const int folder = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

std::string lastFileError() {
    return std::strerror(errno);
}

std::string makeTemporaryFolder(const char* prefix) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/" + prefix + "XXXXXX";
    return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

// The watcher holds the read end of a pipe whose write end only this process has; the read
// sees the end of the pipe when the process is gone. The watcher ignores the signals that end
// the game, holds no other file open, and removes the folder with rm: after fork in a process
// that may run threads, only calls that need no lock are safe.
bool removeAfterExit(const std::string& folder) {
    int ends[2];
    if (pipe(ends) != 0) {
        return false;
    }
    const pid_t watcher = fork();
    if (watcher == 0) {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) {
            std::signal(signal, SIG_IGN);
        }
        for (int file = 0; file < 1024; ++file) {
            if (file != ends[0]) {
                close(file);
            }
        }
        char byte = 0;
        while (read(ends[0], &byte, 1) != 0 && errno == EINTR) {
        }
        execl("/bin/rm", "rm", "-rf", "--", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[0]);
    if (watcher < 0) {
        close(ends[1]);
        return false;
    }
    // Programs this process starts do not keep the folder.
    fcntl(ends[1], F_SETFD, FD_CLOEXEC);
    return true;
}

} // namespace platform
