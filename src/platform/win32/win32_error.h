// Windows error codes in the system's own words, for messages the player reads.
#pragma once

#include <string>

namespace platform {

// "Access is denied", for ERROR_ACCESS_DENIED; the number where Windows has no words for it.
std::string windowsErrorText(unsigned long code);

} // namespace platform
