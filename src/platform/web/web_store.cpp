// The best score in the browser lives in a folder kept in the page's persistent storage
// (IndexedDB): the page glue fills the folder before the game starts and saves it whenever a
// value has been replaced there.
#include <string>

#include "platform/store.h"

namespace platform {

std::string defaultStoreFolder() {
    return "/kestravan-store";
}

} // namespace platform
