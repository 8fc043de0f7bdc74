// Regular files, folders, whole-file replacement, the folder lock and scratch folders on
// Windows.
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "platform/system.h"
#include "platform/win32/win32_error.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform {

namespace {

// A name no other file beside it has yet: the process id and a counter.
std::string uniqueSuffix() {
    static unsigned counter = 0;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%lx-%x", GetCurrentProcessId(), counter++);
    return suffix;
}

} // namespace

std::string windowsErrorText(unsigned long code) {
    char text[256] = {};
    const DWORD size =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, sizeof text, nullptr);
    std::string words(text, size);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' ' ||
                              words.back() == '.')) {
        words.pop_back();
    }
    return words.empty() ? "system error " + std::to_string(code) : words;
}

// Opened with sharing for others, then checked by what the handle is: a disk file, not a
// console, printer port or pipe, and not a folder.
std::FILE* openRegularFile(const std::string& path, OpenFailure* failure) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (failure != nullptr) {
            *failure = OpenFailure{error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND,
                                   windowsErrorText(error)};
        }
        SetLastError(error);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    if (!disk || GetFileInformationByHandle(file, &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(file);
        const std::string reason =
            std::string(disk ? "a folder" : "a device") + ", not a regular file";
        if (failure != nullptr) {
            *failure = OpenFailure{false, reason};
        } else {
            debugLine((path + ": " + reason + "; not read\n").c_str());
        }
        SetLastError(ERROR_INVALID_FUNCTION);
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, "rb");
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

bool makeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

bool replaceFile(const std::string& path, const char* bytes, std::size_t length) {
    const std::string temporary = path + "." + uniqueSuffix();
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = true;
    while (written && length > 0) {
        const DWORD chunk = length > 0x10000000 ? 0x10000000 : static_cast<DWORD>(length);
        DWORD done = 0;
        written = WriteFile(file, bytes, chunk, &done, nullptr) != 0 && done == chunk;
        bytes += done;
        length -= done;
    }
    written = written && FlushFileBuffers(file) != 0;
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed ||
        MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

std::string lastFileError() {
    return windowsErrorText(GetLastError());
}

// A named mutex of the folder's own: other processes locking the same folder wait for it, a
// tenth of a second at most.
FolderLock::FolderLock(const std::string& folder) {
    std::string name = "Local\\Kestravan-store-";
    for (const char c : folder) {
        name += c == '\\' || c == '/' || c == ':' ? '_' : c;
    }
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return;
    }
    const DWORD waited = WaitForSingleObject(mutex, 100);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        busy_ = waited == WAIT_TIMEOUT;
        CloseHandle(mutex);
        SetLastError(busy_ ? ERROR_LOCK_VIOLATION : GetLastError());
        return;
    }
    handle_ = mutex;
}

FolderLock::~FolderLock() {
    if (handle_ != nullptr) {
        ReleaseMutex(static_cast<HANDLE>(handle_));
        CloseHandle(static_cast<HANDLE>(handle_));
    }
}

std::string makeTemporaryFolder(const char* prefix) {
    char base[MAX_PATH + 1];
    const DWORD size = GetTempPathA(sizeof base, base);
    if (size == 0 || size > MAX_PATH) {
        return std::string();
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string folder = std::string(base) + prefix + uniqueSuffix();
        if (CreateDirectoryA(folder.c_str(), nullptr) != 0) {
            return folder;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    return std::string();
}

// Windows removes nothing for a process that is ended from outside; the folder goes when its
// owner ends normally.
bool removeAfterExit(const std::string&) {
    return false;
}

} // namespace platform
