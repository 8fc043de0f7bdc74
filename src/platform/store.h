// The per-user store of small decimal text values (the best score), kept as one file a value
// in a folder of the player's own.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The folder the back end keeps values in when nobody chose one.
std::string defaultStoreFolder();

// Chooses the folder (tests, the simulator); an empty text goes back to the default.
void setStoreFolder(const std::string& folder);
std::string storeFolder();

// Makes sure the store's folder exists; false when it cannot be made.
bool openStore();

// Copies the value into buffer when it fits in capacity bytes (a terminating zero included)
// and sets length to its size. False when the value is missing, unreadable or too long; then
// the buffer is left as it was.
bool readStoredValue(const char* name, char* buffer, std::size_t capacity, std::size_t& length);

// Replaces the value at once and whole: a crash part-way leaves the old value in place.
bool writeStoredValue(const char* name, const char* text, std::size_t length);

} // namespace platform
