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

// A new, empty place for a store of its own (a demo's, which must neither see nor touch the
// player's best score), for setStoreFolder; empty when none can be made. Removed, with all it
// holds, by removeScratchStore.
std::string makeScratchStore();
void removeScratchStore(const std::string& place);

// Makes sure the store's folder exists; false when it cannot be made.
bool openStore();

// What stopped a value from being read or stored: the file (or key) and why, in a few words
// fit for the one line the game prints about it.
struct StoreFailure {
    std::string place;
    std::string reason;
};

enum class StoredValue {
    Found,      // copied into the buffer
    Missing,    // none stored yet, or the store has no folder
    Unreadable, // something is there that is not a value of the store's; failure says why
};

// Copies the value into buffer when it fits in capacity bytes (a terminating zero included)
// and sets length to its size. A value that does not fit, a file that cannot be read or is
// not a regular file, a registry value that is not text: all are Unreadable, and never
// counted as missing. Only Found touches the buffer. With no folder chosen, the working
// directory is never looked in.
StoredValue readStoredValue(const char* name, char* buffer, std::size_t capacity,
                            std::size_t& length, StoreFailure& failure);

// Replaces the value at once and whole: a crash part-way leaves the old value in place.
bool writeStoredValue(const char* name, const char* text, std::size_t length);

enum class StoreOutcome {
    Replaced,   // the new value is stored
    Kept,       // the stored value stays: shouldReplace said no
    Unreadable, // the stored value cannot be read and is left as it is; failure says why
    Failed,     // nothing changed; failure says where and why
};

// Whether the new value is to take the place of the one stored now. stored is null and
// length 0 when there is none; otherwise stored holds length bytes and a terminating zero.
using ReplaceTest = std::function<bool(const char* stored, std::size_t length)>;

// The write that two games running at once cannot undo for each other. Holds an exclusive
// lock on the store while it reads the stored value afresh (as readStoredValue does with
// capacity bytes), asks shouldReplace, and only on its yes replaces the value whole as
// writeStoredValue does. Another game's lock is waited for a tenth of a second at most;
// still held, the call fails and says so. The lock ends with the call. Makes the store's
// folder when missing.
StoreOutcome replaceStoredValueIf(const char* name, const char* text, std::size_t length,
                                  std::size_t capacity, const ReplaceTest& shouldReplace,
                                  StoreFailure& failure);

} // namespace platform
