// The store's lock in the browser. Every tab of the page shares the stored best score, so the
// lock is the browser's exclusive Web Lock on the store, which other tabs wait for; with it
// held, the folder is read back from the browser's storage, so that the value compared is the
// one another tab may just have written, not the one this tab read when it opened.
#include <cerrno>
#include <emscripten.h>
#include <string>

#include "platform/file_system.h"

namespace {

// 1 once the lock is held and the folder read back; 0 when the storage could not be read.
EM_ASYNC_JS(int, takeStoreLock, (), {
    if (navigator.locks) {
        await new Promise(function(held) {
            navigator.locks.request(
                "kestravan-store", {mode : "exclusive"}, function() {
                    held();
                    return new Promise(function(release) { Module.storeLockRelease = release; });
                });
        });
    }
    if (!Module.storeKept) {
        return 1; // a store for this session only: nothing to read back
    }
    var error = await new Promise(function(done) { FS.syncfs(true, done); });
    if (error) {
        console.warn("Kestravan: the best score cannot be read back: " + error);
        return 0;
    }
    return 1;
});

EM_JS(void, releaseStoreLock, (), {
    var release = Module.storeLockRelease;
    Module.storeLockRelease = null;
    if (release) {
        release();
    }
});

int heldLock = 0; // what a held lock's handle points to

} // namespace

namespace platform {

FolderLock::FolderLock(const std::string& /*folder*/) {
    if (takeStoreLock() == 0) {
        releaseStoreLock();
        errno = EIO;
        return;
    }
    handle_ = &heldLock;
}

FolderLock::~FolderLock() {
    if (handle_ != nullptr) {
        releaseStoreLock();
    }
}

} // namespace platform
