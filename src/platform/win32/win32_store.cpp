// The best score on Windows lives in the registry: the value "High Score", decimal text of
// type REG_SZ, under "Software\Brannoch\Kestravan" in the current user's hive. A value is
// replaced whole by the registry itself, so no half-written score is ever read.
#include <cstring>
#include <string>

#include "platform/store.h"
#include "platform/system.h"
#include "platform/win32/win32_error.h"

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
    LONG open(const std::string& path) {
        return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key_);
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

// A demo's store is a key of its own beside the player's, named after the process.
std::string makeScratchStore() {
    const std::string key =
        defaultStoreFolder() + "\\Demo " + std::to_string(GetCurrentProcessId());
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); // one a crashed demo left behind
    return key;
}

void removeScratchStore(const std::string& place) {
    if (!place.empty()) {
        RegDeleteKeyA(HKEY_CURRENT_USER, place.c_str());
    }
}

std::string storeFolder() {
    return chosenKey.empty() ? defaultStoreFolder() : chosenKey;
}

bool openStore() {
    RegistryKey key;
    return key.create(storeFolder());
}

const char* typeName(DWORD type) {
    switch (type) {
    case REG_DWORD:
        return "REG_DWORD";
    case REG_QWORD:
        return "REG_QWORD";
    case REG_BINARY:
        return "REG_BINARY";
    case REG_EXPAND_SZ:
        return "REG_EXPAND_SZ";
    case REG_MULTI_SZ:
        return "REG_MULTI_SZ";
    default:
        return "an unknown type";
    }
}

StoredValue readStoredValue(const char* name, char* buffer, std::size_t capacity,
                            std::size_t& length, StoreFailure& failure) {
    const std::string place = "HKEY_CURRENT_USER\\" + storeFolder() + "\\" + name;
    const auto unreadable = [&](const std::string& reason) {
        failure = StoreFailure{place, reason};
        return StoredValue::Unreadable;
    };
    RegistryKey key;
    const LONG opened = key.open(storeFolder());
    if (opened == ERROR_FILE_NOT_FOUND) {
        return StoredValue::Missing;
    }
    if (opened != ERROR_SUCCESS) {
        return unreadable(windowsErrorText(opened));
    }
    // The registry refuses a value longer than the buffer offered, so the read is bounded.
    BYTE text[256];
    DWORD type = 0;
    DWORD size = sizeof text;
    const LONG queried = RegQueryValueExA(key.get(), name, nullptr, &type, text, &size);
    if (queried == ERROR_FILE_NOT_FOUND) {
        return StoredValue::Missing;
    }
    const std::string tooLong =
        "it holds more than " + std::to_string(capacity > 0 ? capacity - 1 : 0) + " characters";
    if (queried == ERROR_MORE_DATA) {
        return unreadable(tooLong);
    }
    if (queried != ERROR_SUCCESS) {
        return unreadable(windowsErrorText(queried));
    }
    if (type != REG_SZ) {
        return unreadable(std::string("it is of type ") + typeName(type) + ", not text (REG_SZ)");
    }
    // The stored zero, when the writer put one there, is not part of the value.
    std::size_t used = size;
    if (used > 0 && text[used - 1] == '\0') {
        --used;
    }
    if (capacity == 0 || used >= capacity) {
        return unreadable(tooLong);
    }
    std::memcpy(buffer, text, used);
    buffer[used] = '\0';
    length = used;
    return StoredValue::Found;
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

// Two games at once take turns through one named mutex of the current user's session, waited
// for a tenth of a second at most.
StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  std::size_t capacity, const ReplaceTest& shouldReplace,
                                  StoreFailure& failure) {
    const std::string place = "HKEY_CURRENT_USER\\" + storeFolder() + "\\" + name;
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Local\\Kestravan-High-Score");
    const DWORD waited = mutex != nullptr ? WaitForSingleObject(mutex, 100) : WAIT_FAILED;
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        if (mutex != nullptr) {
            CloseHandle(mutex);
        }
        failure = StoreFailure{place, waited == WAIT_TIMEOUT ? "another game holds the store's lock"
                                                             : "the store's lock could not be had"};
        return StoreOutcome::Failed;
    }
    char stored[256];
    std::size_t storedLength = 0;
    const StoredValue read = readStoredValue(
        name, stored, capacity < sizeof stored ? capacity : sizeof stored, storedLength, failure);
    const bool found = read == StoredValue::Found;
    StoreOutcome outcome = StoreOutcome::Kept;
    if (read == StoredValue::Unreadable) {
        outcome = StoreOutcome::Unreadable;
    } else if (shouldReplace(found ? stored : nullptr, found ? storedLength : 0)) {
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
