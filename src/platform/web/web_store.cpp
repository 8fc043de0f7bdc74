// The best score in the browser lives in a folder kept in the page's persistent storage
// (IndexedDB), which the page glue reads back before the game starts. The store flushes a
// value to disk, and then its folder, once it has replaced it: in the browser each flush saves
// the folder to that storage and waits until it is saved.
#include <string>

#include "platform/store.h"

namespace platform {

std::string defaultStoreFolder() {
    return "/kestravan-store";
}

} // namespace platform
