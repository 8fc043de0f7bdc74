// The sound device and its clips on the scripted back end, where a buffer sounds for exactly
// its length on the fake clock: what opening the device asks of the output and which refusals
// it passes on, which buffer each play takes, what a replay costs in random draws, what a load
// leaves in the buffer, how a lost buffer comes back, and that everything is given back.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "platform/system.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "sound/wave_reader.h"
#include "support/temporary_folder.h"
#include "support/wave_bytes.h"
#include "world/game_random.h"

namespace {

using platform::AlgorithmId;
using platform::backend::AudioStep;

// What a buffer did: playing, lost, starts, restarts, and when and from where it last started.
using Report = std::tuple<bool, bool, int, int, std::uint32_t, std::uint32_t>;
Report reportOf(const platform::SoundBuffer* buffer) {
    const auto r = headless::soundBufferReport(buffer);
    return {r.playing, r.lost, r.starts, r.restarts, r.startTick, r.startPosition};
}

// The generator's first numbers from its start at 1 are 41, 18467, 6334, 26500, 19169, 15724,
// 11478: each test starts it there, so the next number says how many were drawn.
class SoundTest : public ::testing::Test {
protected:
    SoundTest() {
        headless::reset();
        setGameRandomState(1);
        window_ = platform::createWindow("test");
    }

    HResult openForGame(SoundDevice& device) {
        return device.open(window_, platform::DSSCL_PRIORITY, 2, 22050, 16);
    }
    // A clip of Data/Clip.wav, by default 16-bit mono at 22050 Hz: 44100 bytes last a second.
    std::unique_ptr<SoundClip> makeClip(SoundDevice& device, std::uint32_t buffers,
                                        const std::string& data, std::uint16_t bits = 16,
                                        std::uint16_t channels = 1, std::uint32_t rate = 22050) {
        folder_.write("Data/Clip.wav", wave::file(channels, rate, bits, data));
        std::unique_ptr<SoundClip> clip;
        EXPECT_EQ(device.createClip(clip, "Data\\Clip.wav", 0, AlgorithmId{}, buffers), S_OK);
        return clip;
    }

    platform::Window* window_ = nullptr;
    TemporaryFolder folder_;
    WorkingDirectory directory_{folder_.path()};
};

using SoundDeviceTest = SoundTest;

TEST_F(SoundDeviceTest, SetsTheMixerToThePrimaryFormat) {
    SoundDevice device;
    ASSERT_EQ(openForGame(device), S_OK);
    EXPECT_EQ(wave::fieldsOf(headless::mixFormat()), (wave::Fields{1, 2, 22050, 88200, 4, 16, 0}));
    ASSERT_EQ(device.setPrimaryFormat(1, 22050, 8), S_OK);
    EXPECT_EQ(wave::fieldsOf(headless::mixFormat()), (wave::Fields{1, 1, 22050, 22050, 1, 8, 0}));
    // A format no output plays is refused, and the mixer keeps the one it had.
    EXPECT_EQ(device.setPrimaryFormat(6, 22050, 16), platform::DSERR_BADFORMAT);
    EXPECT_EQ(headless::mixFormat().channels, 1);
}

TEST_F(SoundDeviceTest, ARefusedPrimaryFormatStillGivesAUsableDevice) {
    for (AudioStep step : {AudioStep::PrimaryBuffer, AudioStep::PrimaryFormat}) {
        SoundDevice device;
        headless::setAudioResult(step, platform::DSERR_BADFORMAT);
        ASSERT_EQ(openForGame(device), S_OK);
        EXPECT_EQ(headless::mixFormat().channels, 0);
        const std::unique_ptr<SoundClip> clip(makeClip(device, 1, wave::samples(500)));
        EXPECT_EQ(clip->play(0), S_OK);
        EXPECT_TRUE(std::get<0>(reportOf(clip->buffers[0])));
    }
    // Below the priority level the mixer's format is not the game's to set.
    SoundDevice normal;
    ASSERT_EQ(normal.open(window_, platform::DSSCL_NORMAL, 2, 22050, 16), S_OK);
    EXPECT_EQ(normal.setPrimaryFormat(2, 22050, 16), platform::DSERR_PRIOLEVELNEEDED);
    EXPECT_EQ(headless::mixFormat().channels, 0);
}

TEST_F(SoundDeviceTest, OpenPassesOnTheOutputsRefusals) {
    {
        SoundDevice device;
        headless::setAudioResult(AudioStep::CreateDevice, platform::DSERR_NODRIVER);
        EXPECT_EQ(openForGame(device), platform::DSERR_NODRIVER);
        EXPECT_EQ(device.device, nullptr);
        EXPECT_EQ(device.setPrimaryFormat(2, 22050, 16), CO_E_NOTINITIALIZED);
        EXPECT_EQ(headless::openAudioDevices(), 0);

        // A refused level fails the open but the device stays held; opening again holds one.
        headless::setAudioResult(AudioStep::CooperativeLevel, platform::DSERR_INVALIDCALL);
        EXPECT_EQ(openForGame(device), platform::DSERR_INVALIDCALL);
        EXPECT_NE(device.device, nullptr);
        ASSERT_EQ(openForGame(device), S_OK);
        EXPECT_EQ(headless::openAudioDevices(), 1);
    }
    EXPECT_EQ(headless::openAudioDevices(), 0);
}

TEST_F(SoundDeviceTest, DestroyingTheDeviceGivesBackEveryBuffer) {
    auto device = std::make_unique<SoundDevice>();
    ASSERT_EQ(openForGame(*device), S_OK);
    std::unique_ptr<SoundClip> one = makeClip(*device, 1, wave::samples(500));
    std::unique_ptr<SoundClip> three = makeClip(*device, 3, wave::samples(500));
    // A failed duplication leaves the buffers made so far with the device.
    std::unique_ptr<SoundClip> failed;
    headless::setAudioResult(AudioStep::DuplicateBuffer, E_OUTOFMEMORY);
    ASSERT_EQ(device->createClip(failed, "Data\\Clip.wav", 0, AlgorithmId{}, 2), E_OUTOFMEMORY);
    EXPECT_EQ(headless::liveSoundBuffers(), 5);
    one->play(0);
    three->play(0);
    // The clips go first and leave their buffers to the device, as in the game.
    one.reset();
    three.reset();
    EXPECT_EQ(headless::liveSoundBuffers(), 5);
    device.reset();
    EXPECT_EQ(headless::liveSoundBuffers(), 0);
    EXPECT_EQ(headless::openAudioDevices(), 0);
}

// Clips of the device opened as the game opens it.
class SoundClipTest : public SoundTest {
protected:
    SoundClipTest() { EXPECT_EQ(openForGame(device_), S_OK); }

    SoundClip* makeClip(std::uint32_t buffers, const std::string& data, std::uint16_t bits = 16,
                        std::uint16_t channels = 1, std::uint32_t rate = 22050) {
        return clips_
            .emplace_back(SoundTest::makeClip(device_, buffers, data, bits, channels, rate))
            .get();
    }
    static std::string contents(platform::SoundBuffer* buffer, std::uint32_t bytes) {
        void* region = nullptr;
        std::uint32_t regionBytes = 0;
        EXPECT_EQ(platform::lockBuffer(buffer, 0, bytes, &region, &regionBytes), S_OK);
        std::string held(static_cast<const char*>(region), regionBytes);
        platform::unlockBuffer(buffer, region, regionBytes);
        return held;
    }

    SoundDevice device_;
    std::vector<std::unique_ptr<SoundClip>> clips_;
};

// The last whole millisecond in which a buffer still sounds, on either side of a fraction of a
// millisecond and across the wrap of the 32-bit clock.
TEST_F(SoundClipTest, ABufferSoundsForExactlyItsLengthOnTheClock) {
    struct Case {
        std::uint16_t channels;
        std::uint32_t rate;
        std::uint16_t bits;
        std::uint32_t bytes;
        std::uint32_t start;
        std::uint32_t lastSounding; // milliseconds after the start
    };
    const Case cases[] = {
        {2, 11025, 8, 11025, 5000, 499},        // exactly 500 ms
        {1, 8000, 8, 1001, 5000, 125},          // 125.125 ms
        {1, 22050, 16, 30868, 5000, 699},       // 699.95 ms
        {1, 22050, 16, 30870, 5000, 699},       // exactly 700 ms
        {2, 22050, 16, 8824, 0xFFFFFFC0u, 100}, // 100.05 ms, over the wrap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        headless::setClock(c.start);
        SoundClip* clip = makeClip(1, wave::samples(c.bytes), c.bits, c.channels, c.rate);
        ASSERT_EQ(clip->play(0), S_OK);
        headless::setClock(c.start + c.lastSounding);
        EXPECT_TRUE(std::get<0>(reportOf(clip->buffers[0])));
        headless::setClock(c.start + c.lastSounding + 1);
        EXPECT_FALSE(std::get<0>(reportOf(clip->buffers[0])));
    }
}

// A second of sound: still sounding at 999 ms, done at 1000.
TEST_F(SoundClipTest, OneBufferPlayedAgainWhileSoundingGoesOnAndTakesOneDraw) {
    SoundClip* clip = makeClip(1, wave::samples(44100));
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandomState(), 1u);
    headless::setClock(999);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(reportOf(clip->buffers[0]), (Report{true, false, 1, 0, 0, 0}));
    const std::uint32_t afterReplay = gameRandomState();

    // Once it has ended, it plays from the start again and draws nothing.
    headless::setClock(1000);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(reportOf(clip->buffers[0]), (Report{true, false, 2, 0, 1000, 0}));
    EXPECT_EQ(gameRandomState(), afterReplay);
    EXPECT_EQ(gameRandom(), 18467) << "the replay while sounding draws one number";
}

TEST_F(SoundClipTest, ThreeBuffersSoundTogetherThenOneIsChosenAtRandom) {
    const std::string data = wave::samples(44100);
    SoundClip* clip = makeClip(3, data);
    for (int play = 0; play < 3; ++play) {
        headless::advanceClock(10);
        ASSERT_EQ(clip->play(0), S_OK);
        for (int entry = 0; entry < 3; ++entry) {
            EXPECT_EQ(std::get<2>(reportOf(clip->buffers[entry])), entry <= play ? 1 : 0);
        }
    }
    EXPECT_EQ(gameRandomState(), 1u);
    // All three sounding, the fourth play goes on with the one the number picks, modulo 3.
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandom(), 18467) << "only the fourth play draws";
    for (std::uint32_t entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(reportOf(clip->buffers[entry]), (Report{true, false, 1, 0, 10 * entry + 10, 0}));
        // The duplicates share the first buffer's samples: the one load filled all three.
        EXPECT_EQ(contents(clip->buffers[entry], 44100), data);
    }
    setGameRandomState(1);
    for (const int entry : {2, 2, 1, 1, 2, 1, 0}) {
        EXPECT_EQ(clip->pickIdleBuffer(), clip->buffers[entry]);
    }

    // The first to end is the first taken again.
    headless::setClock(1015);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(std::get<2>(reportOf(clip->buffers[0])), 2);
    EXPECT_EQ(std::get<2>(reportOf(clip->buffers[1])), 1);
}

// A load that reads less than the buffer holds leaves silence of the sample kind behind it,
// over whatever the buffer held before.
TEST_F(SoundClipTest, ShortLoadFillsTheRestWithSilence) {
    for (const auto& [bits, silence] : {std::pair<std::uint16_t, char>{8, '\x80'}, {16, '\0'}}) {
        SCOPED_TRACE(bits);
        const std::string data = wave::samples(100);
        folder_.write("Data/Short.wav", wave::file(1, 22050, bits, data));
        auto reader = std::make_unique<WaveReader>();
        ASSERT_EQ(reader->open("Data\\Short.wav"), S_OK);
        platform::BufferDescription description;
        description.bufferBytes = 300;
        description.format = reader->format;
        platform::SoundBuffer* buffer = nullptr;
        ASSERT_EQ(platform::createSoundBuffer(device_.device.get(), description, &buffer), S_OK);
        void* region = nullptr;
        std::uint32_t regionBytes = 0;
        ASSERT_EQ(platform::lockBuffer(buffer, 0, 300, &region, &regionBytes), S_OK);
        std::memset(region, 0x55, regionBytes);
        platform::unlockBuffer(buffer, region, regionBytes);

        SoundClip clip(&buffer, 300, 1, std::move(reader));
        EXPECT_EQ(contents(buffer, 300), data + std::string(200, silence));
    }
}

TEST_F(SoundClipTest, CreateClipRefusesWhatCannotBeAClip) {
    folder_.write("Data/Good.wav", wave::file(1, 22050, 16, wave::samples(400)));
    folder_.write("Data/Empty.wav", wave::file(1, 22050, 16, ""));
    folder_.write("Data/Wide.wav", wave::file(1, 22050, 24, wave::samples(300)));
    std::unique_ptr<SoundClip> clip;
    EXPECT_EQ(device_.createClip(clip, "Data\\Good.wav", 0, AlgorithmId{}, 0), E_INVALIDARG);
    EXPECT_EQ(device_.createClip(clip, nullptr, 0, AlgorithmId{}, 1), E_INVALIDARG);
    EXPECT_EQ(device_.createClip(clip, "Data\\Missing.wav", 0, AlgorithmId{}, 1), E_FAIL);
    EXPECT_EQ(device_.createClip(clip, "Data\\Empty.wav", 0, AlgorithmId{}, 1), E_FAIL);
    EXPECT_EQ(device_.createClip(clip, "Data\\Wide.wav", 0, AlgorithmId{}, 1),
              platform::DSERR_BADFORMAT);
    EXPECT_EQ(SoundDevice().createClip(clip, "Data\\Good.wav", 0, AlgorithmId{}, 1),
              CO_E_NOTINITIALIZED);
    headless::setAudioResult(AudioStep::DuplicateBuffer, E_OUTOFMEMORY);
    EXPECT_EQ(device_.createClip(clip, "Data\\Good.wav", 0, AlgorithmId{}, 2), E_OUTOFMEMORY);
    EXPECT_EQ(clip, nullptr);

    // A success code of buffer creation is passed on, with the clip made.
    headless::setAudioResult(AudioStep::CreateBuffer, DS_NO_VIRTUALIZATION);
    EXPECT_EQ(device_.createClip(clip, "Data\\Good.wav", 0, AlgorithmId{}, 1),
              DS_NO_VIRTUALIZATION);
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->play(0), S_OK);
}

TEST_F(SoundClipTest, ALostBufferIsRestoredReloadedRewoundAndPlayed) {
    const std::string data = wave::samples(44100);
    SoundClip* clip = makeClip(2, data);
    ASSERT_EQ(clip->play(0), S_OK);
    headless::setClock(100);
    ASSERT_EQ(clip->play(0), S_OK);
    headless::setClock(200);

    headless::loseSoundBuffer(clip->buffers[0]);
    bool restored = true;
    EXPECT_EQ(clip->recoverBuffer(clip->buffers[1], &restored), S_FALSE);
    EXPECT_FALSE(restored);

    // The output holds on to the memory for three tries; each refusal that comes first in a
    // round waits 10 ms. Then the lost buffer starts afresh with its samples back, and the
    // other, still sounding, goes back to its start.
    headless::refuseSoundRestores(3);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(platform::tickCount(), 220u);
    EXPECT_EQ(reportOf(clip->buffers[0]), (Report{true, false, 2, 0, 220, 0}));
    EXPECT_EQ(contents(clip->buffers[0], 44100), data);
    EXPECT_EQ(std::get<3>(reportOf(clip->buffers[1])), 1);
    EXPECT_EQ(std::get<4>(reportOf(clip->buffers[1])), 220u);
    EXPECT_EQ(gameRandomState(), 1u);
}

} // namespace
