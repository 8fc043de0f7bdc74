// The game's sound at start-up and at the end: the device first of all, the seven clips after
// the splash, the wind once set-up is done, and everything given back when the game goes.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "support/headless_game.h"
#include "support/temporary_folder.h"
#include "wave_bytes.h"
#include "world/game_random.h"

namespace {

const char* const ClipFiles[] = {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"};

// A game folder with the named waves (a tenth of a second each) and nothing else.
void writeWaves(const TemporaryFolder& folder, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        folder.write(std::string("Data/") + name + ".wav",
                     wave::file(1, 22050, 16, wave::samples(4410)));
    }
}

bool noSpriteLoaded(const Game& game) {
    for (const platform::Surface* sprite : game.spriteSurfaces) {
        if (sprite != nullptr) {
            return false;
        }
    }
    return game.cursorSurface == nullptr && game.characterSurface == nullptr;
}

TEST(SoundSetupTest, AMissingCowStopsSetUpAfterTheIndianAndBeforeAnySprite) {
    TemporaryFolder folder;
    writeWaves(folder, {"Indian"});
    {
        HeadlessGame run(folder.path());
        EXPECT_FALSE(run.start());
        const Game& game = run.game();
        ASSERT_EQ(headless::errorMessages().size(), 1u);
        EXPECT_EQ(headless::errorMessages()[0], "DirectSound Create FAILED");
        EXPECT_EQ(headless::presentCount(), 1); // the splash is showing
        EXPECT_NE(game.soundIndian, nullptr);
        EXPECT_EQ(game.soundCow, nullptr);
        EXPECT_EQ(game.soundWind, nullptr);
        EXPECT_TRUE(noSpriteLoaded(game));
        EXPECT_EQ(gameRandomState(), 1u); // no figure placed either
        EXPECT_FALSE(headless::windowExists());
    }
    EXPECT_EQ(headless::liveSoundBuffers(), 0);
    EXPECT_EQ(headless::openAudioDevices(), 0);
}

TEST(SoundSetupTest, NoSoundOutputStopsSetUpBeforeTheDisplay) {
    TemporaryFolder folder;
    writeWaves(folder, {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"});
    HeadlessGame run(folder.path());
    headless::setAudioResult(platform::backend::AudioStep::CreateDevice, platform::DSERR_NODRIVER);
    EXPECT_FALSE(run.start());
    ASSERT_EQ(headless::errorMessages().size(), 1u);
    EXPECT_EQ(headless::errorMessages()[0], "DirectSound Initialize FAILED");
    EXPECT_EQ(run.game().directDraw, nullptr);
    EXPECT_NE(run.game().soundDevice, nullptr);
}

TEST(SoundSetupTest, TheWindBlowsOnceSetUpIsDoneAndEverythingGoesAtTheEnd) {
    TemporaryFolder folder;
    writeWaves(folder, {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"});
    {
        HeadlessGame run(folder.path());
        ASSERT_TRUE(run.start());
        const Game& game = run.game();
        EXPECT_TRUE(headless::errorMessages().empty());
        const SoundClip* clips[] = {game.soundIndian, game.soundCow,   game.soundFarm,
                                    game.soundCowBoy, game.soundCrush, game.soundSplat,
                                    game.soundWind};
        for (int i = 0; i < 7; ++i) {
            SCOPED_TRACE(ClipFiles[i]);
            ASSERT_NE(clips[i], nullptr);
            EXPECT_EQ(clips[i]->bufferCount, 1u);
            EXPECT_EQ(clips[i]->bufferBytes, 4410u);
            const auto report = headless::soundBufferReport(clips[i]->buffers[0]);
            EXPECT_EQ(report.starts, i == 6 ? 1 : 0);
        }
        // The gust starts after the two-second hold, with the round clock.
        EXPECT_EQ(headless::soundBufferReport(game.soundWind->buffers[0]).startTick,
                  game.roundStartTick);
        EXPECT_EQ(headless::liveSoundBuffers(), 7);
        EXPECT_EQ(headless::openAudioDevices(), 1);
    }
    EXPECT_EQ(headless::liveSoundBuffers(), 0);
    EXPECT_EQ(headless::openAudioDevices(), 0);
}

} // namespace
