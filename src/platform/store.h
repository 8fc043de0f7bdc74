// The per-user store of small decimal text values (the best score), kept as one file a value
// in a folder of the player's own.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform {

// The folder the back end keeps values in when nobody chose one; empty when the player has
// no data folder of their own.
std::string defaultStoreFolder();

// Chooses the folder (tests, the simulator); an empty text goes back to the default.
void setStoreFolder(const std::string& folder);
std::string storeFolder();

// Makes sure the store's folder exists; false when it cannot be made.
bool openStore();

// Copies the value into buffer when it fits in capacity bytes (a terminating zero included)
// and sets length to its size. False when the value is missing, unreadable or too long, and
// when the store has no folder (never a file of that name in the working directory); then
// the buffer is left as it was.
bool readStoredValue(const char* name, char* buffer, std::size_t capacity, std::size_t& length);

// Replaces the value at once and whole: a crash part-way leaves the old value in place.
bool writeStoredValue(const char* name, const char* text, std::size_t length);

// What stopped a value from being stored: the file (or key) it was going to, and why, in a
// few words fit for the one line the game prints about it.
struct StoreFailure {
    std::string place;
    std::string reason;
};

enum class StoreOutcome {
    Replaced, // the new value is stored
    Kept,     // the stored value stays: shouldReplace said no
    Failed,   // nothing changed; failure says where and why
};

// Whether the new value is to take the place of the one stored now. stored is null and
// length 0 when there is none or it cannot be read; otherwise stored holds length bytes (at
// most 255, as readStoredValue would give them with room enough) and a terminating zero.
using ReplaceTest = std::function<bool(const char* stored, std::size_t length)>;

// The write that two games running at once cannot undo for each other. Holds an exclusive
// lock on the store, one that other processes' calls wait for too, while it reads the stored
// value afresh, asks shouldReplace, and only on its yes replaces the value whole as
// writeStoredValue does. The lock ends with the call. Makes the store's folder when missing.
StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  const ReplaceTest& shouldReplace, StoreFailure& failure);

} // namespace platform
