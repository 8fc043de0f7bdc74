// The game object's life: a new game, the frame timer's complaint on a machine without a
// counter, and the order in which the game gives everything back. The generator's sequence, the
// start values and the placement of every figure are pinned by the golden replays' dumps and
// the simulator's dump after set-up.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "sound/wave_reader.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

class Lifecycle : public ::testing::Test {
protected:
    ReadyFolder folder;
    HeadlessGame session{folder.path()};
};

TEST_F(Lifecycle, ANewGameResetsTheRoundButKeepsTheWorld) {
    ASSERT_TRUE(session.start());
    Game& game = session.game();
    game.whirlwindX = 1000;
    game.whirlwindY = 2000;
    game.caught = {3, 4, 5, 6};
    game.score = 250;
    game.roundOver = true;
    game.structureTiles[123] = Structure::FarmHouseDown;
    game.cows[7].x = 4321;
    game.selectedKind = ActorKind::Farmer;
    game.launchPower = 42.0;
    game.keyDirX = 1;
    headless::setClock(90000);

    game.newGame();
    EXPECT_EQ((std::array{game.whirlwindX, game.whirlwindY, game.score}),
              (std::array{6400, 640, 0}));
    EXPECT_EQ(game.caught, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(game.roundOver);
    EXPECT_EQ((std::array{game.lastTick, game.roundStartTick}), (std::array{90000u, 90000u}));
    // The world, the panel and the steering stay as they were.
    EXPECT_EQ((std::array{game.structureTiles[123], game.cows[7].x, game.keyDirX}),
              (std::array<std::int32_t, 3>{Structure::FarmHouseDown, 4321, 1}));
    EXPECT_EQ(game.selectedKind, ActorKind::Farmer);
    EXPECT_EQ(game.launchPower, 42.0);
}

TEST_F(Lifecycle, TheFrameTimerWritesOneLineEachFrameOnlyWithoutACounter) {
    ASSERT_TRUE(session.start());
    const std::size_t before = headless::debugLines().size();
    ASSERT_TRUE(session.turns(3));
    EXPECT_EQ(headless::debugLines().size(), before);

    headless::setPerformanceCounter(0);
    ASSERT_TRUE(session.turns(3));
    ASSERT_EQ(headless::debugLines().size(), before + 3);
    EXPECT_EQ(headless::debugLines().back(),
              "ERROR: The system does not support high resolution timing\n");
    EXPECT_TRUE(session.game().active); // and the game plays on
}

// Who went when: each part's name, and how often the display had been closed by then.
using Teardown = std::vector<std::pair<std::string, int>>;

class RecordingDevice : public SoundDevice {
public:
    explicit RecordingDevice(Teardown& log) : log_(log) {}
    ~RecordingDevice() override { log_.emplace_back("device", headless::displayCloseCount()); }

private:
    Teardown& log_;
};

class RecordingClip : public SoundClip {
public:
    // A clip without a buffer: only its going counts here.
    RecordingClip(std::string name, Teardown& log)
        : SoundClip(&NoBuffer, 4, 1, nullptr), name_(std::move(name)), log_(log) {}
    ~RecordingClip() override { log_.emplace_back(name_, headless::displayCloseCount()); }

private:
    static inline platform::SoundBuffer* NoBuffer = nullptr;
    std::string name_;
    Teardown& log_;
};

TEST_F(Lifecycle, TheGameGoesDisplayFirstThenTheClipsInTheirOrderThenTheSoundDevice) {
    ASSERT_TRUE(session.start());
    Game& game = session.game();
    Teardown log;
    const char* const names[] = {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"};
    std::unique_ptr<SoundClip>* const clips[] = {
        &game.soundIndian, &game.soundCow,   &game.soundFarm, &game.soundCowBoy,
        &game.soundCrush,  &game.soundSplat, &game.soundWind};
    for (int i = 0; i < GameSoundCount; ++i) {
        *clips[i] = std::make_unique<RecordingClip>(names[i], log);
    }
    game.soundDevice = std::make_unique<RecordingDevice>(log);
    const int closed = headless::displayCloseCount() + 1;

    endGame();
    Teardown expected; // the seven clips in the game's order, then the device
    for (const char* name : names) {
        expected.push_back({name, closed});
    }
    expected.push_back({"device", closed});
    EXPECT_EQ(log, expected);
    EXPECT_EQ(headless::liveSoundBuffers(), 0);
    EXPECT_EQ(headless::openAudioDevices(), 0);
}
