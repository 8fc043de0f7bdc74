// Folders, whole-file replacement and scratch folders on a POSIX system; the folder lock is in
// posix_folder_lock.cpp.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

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

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

} // namespace

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

} // namespace platform
