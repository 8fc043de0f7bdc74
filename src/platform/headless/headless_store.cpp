// The scripted back end keeps values in a fresh temporary folder unless told otherwise.
#include <cstdlib>
#include <string>

#include "platform/store.h"

namespace platform {

std::string defaultStoreFolder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                              "/kestravan-store-XXXXXX";
        return mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }();
    return folder;
}

} // namespace platform
