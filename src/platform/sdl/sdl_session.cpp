// The player's choices on SDL: what the Linux game offers, full screen or a window and the
// switch between them, the scaling of the game's screen, the executable's folder, and
// screenshots.
#include <SDL.h>

#include <filesystem>
#include <iostream>

#include "platform/emulation/screenshot.h"
#include "platform/sdl/sdl_state.h"
#include "platform/session.h"
#include "platform/store.h"

namespace fs = std::filesystem;

namespace platform {

// Full screen here is always over the desktop at its own size: there is no screen mode of the
// game's own to choose.
bool offers(Feature feature) {
    return feature != Feature::FullScreenKinds && feature != Feature::StoredSettings;
}

const char* gameName() {
    return "the Linux game";
}

void runEnded(int /*status*/, const std::string& /*missingFile*/) {}

void chooseScreen(const ScreenChoice& choice) {
    sdl::state().choice = choice;
}

void onScreenModeChange(std::function<void(bool fullscreen)> listener) {
    sdl::state().modeListener = std::move(listener);
}

void onSilenceKept(std::function<void()> listener) {
    sdl::state().silenceListener = std::move(listener);
}

void setScreenshotFolder(const std::string& folder) {
    sdl::state().screenshotFolder = folder;
}

std::string executableFolder() {
    char* path = SDL_GetBasePath();
    if (path == nullptr) {
        return std::string();
    }
    std::string folder(path);
    SDL_free(path);
    return folder;
}

namespace sdl {

void switchScreenMode() {
    auto& s = state();
    if (s.window == nullptr) {
        return;
    }
    s.choice.fullscreen = !s.choice.fullscreen;
    if (s.choice.fullscreen) {
        SDL_SetWindowFullscreen(s.window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(s.window.get(), 0);
        SDL_SetWindowBordered(s.window.get(), SDL_TRUE);
        SDL_SetWindowResizable(s.window.get(), SDL_TRUE);
        SDL_SetWindowSize(s.window.get(), 1024, 768);
        SDL_SetWindowPosition(s.window.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    applyScale();
    if (s.modeListener) {
        s.modeListener(s.choice.fullscreen);
    }
}

void applyScale() {
    auto& s = state();
    if (s.renderer == nullptr) {
        return;
    }
    int width = 0;
    int height = 0;
    int logicalWidth = 0;
    int logicalHeight = 0;
    SDL_GetRendererOutputSize(s.renderer.get(), &width, &height);
    SDL_RenderGetLogicalSize(s.renderer.get(), &logicalWidth, &logicalHeight);
    // In a window smaller than the game's screen no whole multiple fits: then it fits as well
    // as it can.
    const bool whole = s.choice.integerScale && width >= logicalWidth && height >= logicalHeight;
    SDL_RenderSetIntegerScale(s.renderer.get(), whole ? SDL_TRUE : SDL_FALSE);
}

void writeScreenshot(const Surface& frame, const Palette& palette) {
    // Unless chosen, screenshots go beside the best score.
    const std::string store = defaultStoreFolder();
    const std::string folder = !state().screenshotFolder.empty() ? state().screenshotFolder
                               : store.empty()                   ? std::string()
                                               : (fs::path(store) / "screenshots").string();
    std::string error;
    const std::string written = writeScreenshotFile(folder, frame, palette, error);
    if (written.empty()) {
        std::cerr << "kestravan: " << error << "\n";
        return;
    }
    std::cout << "Screenshot: " << written << std::endl;
}

} // namespace sdl

} // namespace platform
