// The game's sound at start-up and at the end: the device first of all, the seven clips after
// the splash, the wind once set-up is done, and everything given back when the game goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "support/headless_game.h"
#include "support/temporary_folder.h"
#include "support/wave_bytes.h"
#include "world/game_random.h"

namespace {

class SoundSetup : public ::testing::Test {
protected:
    // A game folder with the first count of the seven waves, a tenth of a second each, and
    // nothing else.
    void writeWaves(int count) {
        const char* const names[] = {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"};
        for (int i = 0; i < count; ++i) {
            folder_.write(std::string("Data/") + names[i] + ".wav",
                          wave::file(1, 22050, 16, wave::samples(4410)));
        }
    }
    void expectEverythingGivenBack() {
        EXPECT_EQ(headless::liveSoundBuffers(), 0);
        EXPECT_EQ(headless::openAudioDevices(), 0);
    }

    TemporaryFolder folder_;
};

TEST_F(SoundSetup, AMissingCowStopsSetUpAfterTheIndianAndBeforeAnySprite) {
    writeWaves(1);
    {
        HeadlessGame run(folder_.path());
        EXPECT_FALSE(run.start());
        const Game& game = run.game();
        // The game's own line first, then the file and the folder it was looked for in.
        ASSERT_EQ(headless::errorMessages().size(), 1u);
        std::string box = headless::errorMessages()[0];
        EXPECT_EQ(box.substr(0, box.find('\n')), "DirectSound Create FAILED");
        // The box speaks in the system's separators; compared here with forward ones.
        std::string folder = folder_.path();
        std::replace(box.begin(), box.end(), '\\', '/');
        std::replace(folder.begin(), folder.end(), '\\', '/');
        EXPECT_NE(
            box.find("The file Data/Cow.wav is missing or damaged in the folder " + folder + "."),
            std::string::npos)
            << box;
        EXPECT_EQ(headless::presentCount(), 1); // the splash is showing
        EXPECT_NE(game.soundIndian, nullptr);
        EXPECT_EQ(game.soundCow, nullptr);
        EXPECT_EQ(game.soundWind, nullptr);
        EXPECT_EQ(std::count(game.spriteSurfaces.begin(), game.spriteSurfaces.end(), nullptr),
                  static_cast<long>(game.spriteSurfaces.size()));
        EXPECT_EQ(game.cursorSurface, nullptr);
        EXPECT_EQ(game.characterSurface, nullptr);
        EXPECT_EQ(gameRandomState(), 1u); // no figure placed either
        EXPECT_FALSE(headless::windowExists());
    }
    expectEverythingGivenBack();
}

TEST_F(SoundSetup, NoSoundOutputStopsSetUpBeforeTheDisplay) {
    writeWaves(7);
    HeadlessGame run(folder_.path());
    headless::setAudioResult(platform::backend::AudioStep::CreateDevice, platform::DSERR_NODRIVER);
    EXPECT_FALSE(run.start());
    EXPECT_EQ(headless::errorMessages(), std::vector<std::string>{"DirectSound Initialize FAILED"});
    EXPECT_EQ(run.game().directDraw, nullptr);
    EXPECT_NE(run.game().soundDevice, nullptr);
}

TEST_F(SoundSetup, TheWindBlowsOnceSetUpIsDoneAndEverythingGoesAtTheEnd) {
    writeWaves(7);
    {
        HeadlessGame run(folder_.path());
        ASSERT_TRUE(run.start());
        const Game& game = run.game();
        EXPECT_TRUE(headless::errorMessages().empty());
        for (int i = 0; i < GameSoundCount; ++i) {
            SCOPED_TRACE(i);
            const SoundClip* clip = game.clipFor(static_cast<GameSound>(i));
            ASSERT_NE(clip, nullptr);
            EXPECT_EQ(clip->bufferCount, 1u);
            EXPECT_EQ(clip->bufferBytes, 4410u);
            EXPECT_EQ(headless::soundBufferReport(clip->buffers[0]).starts, i == 6 ? 1 : 0);
        }
        // The gust starts after the two-second hold, with the round clock.
        EXPECT_EQ(headless::soundBufferReport(game.soundWind->buffers[0]).startTick,
                  game.roundStartTick);
        EXPECT_EQ(headless::liveSoundBuffers(), 7);
        EXPECT_EQ(headless::openAudioDevices(), 1);
    }
    expectEverythingGivenBack();
}

} // namespace
