// The display opened: the full-screen 1024 x 768 x 8 display with one back buffer, the palette,
// and the splash picture shown while the rest of the game is set up.
#include <memory>
#include <string>

#include "display/palette_loader.h"
#include "display/show_error.h"
#include "formats/image.h"
#include "platform/system.h"
#include "platform/video.h"
#include "shell/game.h"

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr platform::Rect WholeScreen{0, 0, ScreenWidth, ScreenHeight};

} // namespace

// A missing picture is no failure: imageDC keeps what it held, and whoever runs the game hears
// of it.
void Game::loadFullScreenPicture(const char* file) {
    std::unique_ptr<platform::Image> picture = platform::loadImage(file);
    if (picture == nullptr) {
        const std::string line = std::string(file) + ": missing or unreadable; not shown\n";
        platform::debugLine(line.c_str());
    }
    imageBitmap = std::move(picture);
    if (imageBitmap != nullptr && imageDC != nullptr && palette != nullptr) {
        platform::copyImage(*imageBitmap, *imageDC, ScreenWidth, ScreenHeight, *palette);
    }
}

bool Game::openDisplay(HResult& result) {
    const auto fail = [&](HResult code, const char* message) {
        result = showError(window, code, message);
        return false;
    };
    platform::DisplayDevice* device = nullptr;
    result = platform::createDisplayDevice(&device);
    directDraw.reset(device);
    if (result != S_OK) {
        return fail(result, "DirectDrawCreateEx FAILED");
    }
    if ((result = platform::setCooperativeLevel(directDraw.get(), window)) != S_OK) {
        return fail(result, "SetCooperativeLevel FAILED");
    }
    if ((result = platform::setDisplayMode(directDraw.get(), ScreenWidth, ScreenHeight, 8)) !=
        S_OK) {
        return fail(result, "SetDisplayMode FAILED");
    }
    if ((result = platform::createPrimarySurface(directDraw.get(), &primarySurface)) != S_OK) {
        return fail(result, "CreateSurface FAILED");
    }
    if ((result = platform::getBackBuffer(directDraw.get(), &backBuffer)) != S_OK) {
        return fail(result, "GetAttachedSurface FAILED");
    }
    palette = DDLoadPalette(directDraw.get(), "Data\\Frame_Top.bmp");
    if (palette == nullptr) {
        return showFileError(window, 0, "DDLoadPalette FAILED", "Data\\Frame_Top.bmp");
    }
    if ((result = platform::setPalette(directDraw.get(), palette)) != S_OK) {
        return fail(result, "SetPalette FAILED");
    }

    // The splash. imageDC is made even when the back buffer's drawing context is refused, so
    // that the menu always has a picture to show.
    platform::createSurface(directDraw.get(), ScreenWidth, ScreenHeight, &imageDC);
    if (platform::getDC(directDraw.get(), backBuffer) == S_OK) {
        loadFullScreenPicture("Data\\Splash.bmp");
        if (imageDC != nullptr) {
            backBuffer->bltFast(0, 0, *imageDC, WholeScreen, false);
        }
        platform::releaseDC(directDraw.get(), backBuffer);
    }
    platform::flip(directDraw.get());
    return true;
}
