// What the browser game offers the front door, and the player's choices the page takes: the
// page sizes the picture itself and has no folders of the player's, so only demos and the
// sound's choices remain. When the run is over, the page is told.
#include <emscripten.h>

#include "platform/session.h"
#include "platform/web/web_state.h"

namespace platform {

bool offers(Feature feature) {
    return feature == Feature::Demos;
}

const char* gameName() {
    return "the browser game";
}

void chooseScreen(const ScreenChoice& /*choice*/) {}

void chooseSound(bool enabled, int volumePercent) {
    web::state().volumePercent = enabled ? volumePercent : 0;
}

void onScreenModeChange(std::function<void(bool fullscreen)> /*listener*/) {}

void onSilenceKept(std::function<void()> /*listener*/) {}

void setScreenshotFolder(const std::string& /*folder*/) {}

std::string executableFolder() {
    return std::string();
}

void runEnded(int status, const std::string& missingFile) {
    web::state().runEnded = true;
    EM_ASM(
        {
            if ($1 && Module["onSetupFailure"]) {
                Module["onSetupFailure"](UTF8ToString($1));
            }
            if (Module["onGameEnd"]) {
                Module["onGameEnd"]($0);
            }
        },
        status, missingFile.empty() ? nullptr : missingFile.c_str());
}

} // namespace platform
