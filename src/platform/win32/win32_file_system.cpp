// Folders, whole-file replacement and scratch folders on Windows.
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/file_system.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
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
    return "Windows error " + std::to_string(GetLastError());
}

// A named mutex of the folder's own: other processes locking the same folder wait for it.
FolderLock::FolderLock(const std::string& folder) {
    std::string name = "Local\\Kestravan-store-";
    for (const char c : folder) {
        name += c == '\\' || c == '/' || c == ':' ? '_' : c;
    }
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) {
        return;
    }
    const DWORD waited = WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
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

} // namespace platform
