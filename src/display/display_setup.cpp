// Start-up: the sound device, the full-screen 1024 x 768 x 8 display with one back buffer, the
// palette, the splash picture, the seven clips, the figures' placement, the sprites, the menu
// picture, two more seconds of splash, the first gust of wind and the round clock. The first
// step that fails is reported in the error box and ends the game.
#include <cstdint>
#include <memory>
#include <string>

#include "display/palette_loader.h"
#include "display/show_error.h"
#include "formats/image.h"
#include "platform/system.h"
#include "platform/video.h"
#include "shell/game.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr std::uint32_t SplashHoldMilliseconds = 2000;
constexpr platform::Rect WholeScreen{0, 0, ScreenWidth, ScreenHeight};

// Reads a full-screen picture into imageDC, where the splash and then the menu wait to be
// copied to the back buffer. A missing picture is no failure: imageDC keeps what it held, and
// whoever runs the game hears of it.
void loadFullScreenPicture(Game& game, const char* file) {
    std::unique_ptr<platform::Image> picture = platform::loadImage(file);
    if (picture == nullptr) {
        const std::string line = std::string(file) + ": missing or unreadable; not shown\n";
        platform::debugLine(line.c_str());
    }
    game.imageBitmap = std::move(picture);
    if (game.imageBitmap != nullptr && game.imageDC != nullptr && game.palette != nullptr) {
        platform::copyImage(*game.imageBitmap, *game.imageDC, ScreenWidth, ScreenHeight,
                            *game.palette);
    }
}

} // namespace

HResult Game::initialize() {
    HResult result = S_OK;
    const auto fail = [&](HResult code, const char* message) {
        return showError(window, code, message);
    };

    soundDevice = std::make_unique<SoundDevice>();
    result = soundDevice->open(window, platform::DSSCL_PRIORITY, 2, 22050, 16);
    if (failed(result)) {
        return fail(result, "DirectSound Initialize FAILED");
    }

    if ((result = platform::createDisplayDevice(&directDraw)) != S_OK) {
        return fail(result, "DirectDrawCreateEx FAILED");
    }
    if ((result = platform::setCooperativeLevel(directDraw, window)) != S_OK) {
        return fail(result, "SetCooperativeLevel FAILED");
    }
    if ((result = platform::setDisplayMode(directDraw, ScreenWidth, ScreenHeight, 8)) != S_OK) {
        return fail(result, "SetDisplayMode FAILED");
    }
    if ((result = platform::createPrimarySurface(directDraw, &primarySurface)) != S_OK) {
        return fail(result, "CreateSurface FAILED");
    }
    if ((result = platform::getBackBuffer(directDraw, &backBuffer)) != S_OK) {
        return fail(result, "GetAttachedSurface FAILED");
    }
    palette = DDLoadPalette(directDraw, "Data\\Frame_Top.bmp");
    if (palette == nullptr) {
        return fail(0, "DDLoadPalette FAILED");
    }
    if ((result = platform::setPalette(directDraw, palette)) != S_OK) {
        return fail(result, "SetPalette FAILED");
    }

    // The splash. imageDC is made even when the back buffer's drawing context is refused, so
    // that the menu always has a picture to show.
    platform::createSurface(directDraw, ScreenWidth, ScreenHeight, &imageDC);
    if (platform::getDC(directDraw, backBuffer) == S_OK) {
        loadFullScreenPicture(*this, "Data\\Splash.bmp");
        if (imageDC != nullptr) {
            backBuffer->bltFast(0, 0, *imageDC, WholeScreen, false);
        }
        platform::releaseDC(directDraw, backBuffer);
    }
    platform::flip(directDraw);

    struct ClipFile {
        std::unique_ptr<SoundClip>* clip;
        const char* file;
    };
    const ClipFile clips[] = {
        {&soundIndian, "Data\\Indian.wav"}, {&soundCow, "Data\\Cow.wav"},
        {&soundFarm, "Data\\Farm.wav"},     {&soundCowBoy, "Data\\CowBoy.wav"},
        {&soundCrush, "Data\\Crush.wav"},   {&soundSplat, "Data\\Splat.wav"},
        {&soundWind, "Data\\Wind.wav"},
    };
    for (const ClipFile& clip : clips) {
        result = soundDevice->createClip(*clip.clip, clip.file, 0, platform::AlgorithmId{}, 1);
        if (failed(result)) {
            return fail(result, "DirectSound Create FAILED");
        }
    }

    placeActors();
    loadSprites();
    loadFullScreenPicture(*this, "Data\\Option.bmp");

    // Hold the splash two more seconds, sleeping rather than spinning.
    lastTick = platform::tickCount();
    for (;;) {
        const std::uint32_t waited = platform::tickCount() - lastTick;
        if (waited >= SplashHoldMilliseconds) {
            break;
        }
        platform::sleep(SplashHoldMilliseconds - waited);
    }
    roundStartTick = platform::tickCount();

    playSound(GameSound::Wind);
    setupComplete = true;
    return S_OK;
}
