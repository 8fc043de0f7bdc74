// Start-up, in the order the player sees it: the sound device, the full-screen display with
// the splash, the seven clips, the figures placed and the pictures loaded, two more seconds of
// splash, the first gust of wind and the round clock. The first step that fails is reported in
// the error box and ends the game.
#include <cstdint>
#include <memory>

#include "display/show_error.h"
#include "platform/system.h"
#include "shell/game.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"

namespace {

constexpr std::uint32_t SplashHoldMilliseconds = 2000;

} // namespace

HResult Game::initialize() {
    HResult result = S_OK;
    if (!openSound(result) || !openDisplay(result) || !loadClips(result)) {
        return result;
    }
    placeFigures();
    startClock();
    setupComplete = true;
    return S_OK;
}

bool Game::openSound(HResult& result) {
    soundDevice = std::make_unique<SoundDevice>();
    result = soundDevice->open(window, platform::DSSCL_PRIORITY, 2, 22050, 16);
    if (failed(result)) {
        result = showError(window, result, "DirectSound Initialize FAILED");
        return false;
    }
    return true;
}

bool Game::loadClips(HResult& result) {
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
            result = showFileError(window, result, "DirectSound Create FAILED", clip.file);
            return false;
        }
    }
    return true;
}

void Game::placeFigures() {
    placeActors();
    loadSprites();
    loadFullScreenPicture("Data\\Option.bmp");
}

void Game::startClock() {
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
}
