// The best score on Windows lives in the registry: the value "High Score", decimal text of
// type REG_SZ, under "Software\Brannoch\Kestravan" in the current user's hive. A value is
// replaced whole by the registry itself, so no half-written score is ever read.
#include <cstring>
#include <string>

#include "platform/store.h"
#include "platform/system.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform {

namespace {

std::string chosenKey;

// An open registry key, closed when it goes.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool create(const std::string& path) {
        return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                               nullptr) == ERROR_SUCCESS;
    }
    bool open(const std::string& path) {
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key_) ==
               ERROR_SUCCESS;
    }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

std::string defaultStoreFolder() {
    return "Software\\Brannoch\\Kestravan";
}

void setStoreFolder(const std::string& folder) {
    chosenKey = folder;
}

std::string storeFolder() {
    return chosenKey.empty() ? defaultStoreFolder() : chosenKey;
}

bool openStore() {
    RegistryKey key;
    return key.create(storeFolder());
}

bool readStoredValue(const char* name, char* buffer, std::size_t capacity, std::size_t& length) {
    RegistryKey key;
    if (!key.open(storeFolder())) {
        return false;
    }
    // The registry refuses a value longer than the buffer offered, so the read is bounded.
    BYTE text[256];
    DWORD type = 0;
    DWORD size = sizeof text;
    const LONG found = RegQueryValueExA(key.get(), name, nullptr, &type, text, &size);
    if (found != ERROR_SUCCESS || type != REG_SZ) {
        // Only text is read; anything else there is named, once, and left alone.
        if (found != ERROR_FILE_NOT_FOUND) {
            debugLine(
                ("The registry value \"" + std::string(name) + "\" is not a short text: ignored\n")
                    .c_str());
        }
        return false;
    }
    // The stored zero, when the writer put one there, is not part of the value.
    std::size_t used = size;
    if (used > 0 && text[used - 1] == '\0') {
        --used;
    }
    if (capacity == 0 || used >= capacity) {
        return false;
    }
    std::memcpy(buffer, text, used);
    buffer[used] = '\0';
    length = used;
    return true;
}

bool writeStoredValue(const char* name, const char* text, std::size_t length) {
    RegistryKey key;
    if (!key.create(storeFolder()) || length >= 0x10000) {
        return false;
    }
    std::string value(text, length);
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Two games at once take turns through one named mutex of the current user's session.
StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  const ReplaceTest& shouldReplace, StoreFailure& failure) {
    const std::string place = "HKEY_CURRENT_USER\\" + storeFolder() + "\\" + name;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Local\\Kestravan-High-Score");
    const DWORD waited = mutex != nullptr ? WaitForSingleObject(mutex, INFINITE) : WAIT_FAILED;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
        failure = StoreFailure{place, "the store's lock could not be had"};
        return StoreOutcome::Failed;
    }
    char stored[256];
    std::size_t storedLength = 0;
    const bool found = readStoredValue(name, stored, sizeof stored, storedLength);
    StoreOutcome outcome = StoreOutcome::Kept;
    if (shouldReplace(found ? stored : nullptr, found ? storedLength : 0)) {
        outcome =
            writeStoredValue(name, text, length) ? StoreOutcome::Replaced : StoreOutcome::Failed;
        if (outcome == StoreOutcome::Failed) {
            failure = StoreFailure{place, "the registry refused the value"};
        }
    }
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return outcome;
}

} // namespace platform
