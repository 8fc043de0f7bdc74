// The scripted back end keeps values in a fresh temporary folder unless told otherwise.
#include <string>

#include "platform/file_system.h"
#include "platform/store.h"

namespace platform {

std::string defaultStoreFolder() {
    static const std::string folder = makeTemporaryFolder("kestravan-store-");
    return folder;
}

} // namespace platform
