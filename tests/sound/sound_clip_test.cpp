// Sound clips on the scripted back end, where a buffer sounds for exactly its length on the
// fake clock: which buffer each play takes, what a replay costs in random draws, what a load
// leaves in the buffer, and how a lost buffer comes back.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "platform/system.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "sound/wave_reader.h"
#include "support/temporary_folder.h"
#include "wave_bytes.h"
#include "world/game_random.h"

namespace {

using headless::soundBufferReport;

// The generator's first numbers from its start at 1 are 41, 18467, 6334, 26500, 19169, 15724,
// 11478: each test starts it there, so the next number says how many were drawn.
class SoundClipTest : public ::testing::Test {
protected:
    SoundClipTest() {
        headless::reset();
        setGameRandomState(1);
        EXPECT_EQ(device_.open(platform::createWindow("test"), DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    }

    // A clip of a 16-bit mono wave at 22050 Hz unless told otherwise: 44100 bytes last a second.
    SoundClip* makeClip(std::uint32_t bufferCount, const std::string& data, std::uint16_t bits = 16,
                        std::uint16_t channels = 1, std::uint32_t rate = 22050) {
        folder_.write("Data/Clip.wav", wave::file(channels, rate, bits, data));
        SoundClip* clip = nullptr;
        EXPECT_EQ(device_.createClip(&clip, "Data\\Clip.wav", 0, AlgorithmId{}, bufferCount), S_OK);
        clips_.emplace_back(clip);
        return clip;
    }

    static std::string contents(platform::SoundBuffer* buffer, std::uint32_t bytes) {
        void* region = nullptr;
        std::uint32_t regionBytes = 0;
        EXPECT_EQ(platform::lockBuffer(buffer, 0, bytes, &region, &regionBytes), S_OK);
        std::string held(static_cast<const char*>(region), regionBytes);
        platform::unlockBuffer(buffer, region, regionBytes);
        return held;
    }

    TemporaryFolder folder_;
    WorkingDirectory directory_{folder_.path()};
    SoundDevice device_;
    std::vector<std::unique_ptr<SoundClip>> clips_;
};

TEST_F(SoundClipTest, ABufferSoundsForExactlyItsLengthOnTheClock) {
    // channels, rate, bits, bytes, milliseconds
    const std::uint32_t cases[][5] = {{1, 22050, 16, 44100, 1000},
                                      {2, 11025, 8, 11025, 500},
                                      {2, 22050, 16, 8820, 100},
                                      {1, 8000, 8, 1001, 125}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[4]);
        headless::setClock(5000);
        SoundClip* clip = makeClip(1, wave::samples(c[3]), static_cast<std::uint16_t>(c[2]),
                                   static_cast<std::uint16_t>(c[0]), c[1]);
        ASSERT_EQ(clip->play(0), S_OK);
        headless::setClock(5000 + c[4] - 1);
        EXPECT_TRUE(soundBufferReport(clip->buffers[0]).playing);
        headless::setClock(5000 + c[4]);
        EXPECT_FALSE(soundBufferReport(clip->buffers[0]).playing);
    }
}

TEST_F(SoundClipTest, OneBufferPlayedAgainWhileSoundingGoesOnAndTakesOneDraw) {
    SoundClip* clip = makeClip(1, wave::samples(44100));
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandomState(), 1u);
    headless::setClock(999);
    ASSERT_EQ(clip->play(0), S_OK);
    const std::uint32_t afterReplay = gameRandomState();
    auto report = soundBufferReport(clip->buffers[0]);
    EXPECT_EQ(report.starts, 1);
    EXPECT_EQ(report.restarts, 0);
    EXPECT_EQ(report.startTick, 0u);

    // Once it has ended, it plays from the start again and draws nothing.
    headless::setClock(1000);
    ASSERT_EQ(clip->play(0), S_OK);
    report = soundBufferReport(clip->buffers[0]);
    EXPECT_EQ(report.starts, 2);
    EXPECT_EQ(report.startTick, 1000u);
    EXPECT_EQ(report.startPosition, 0u);
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
            EXPECT_EQ(soundBufferReport(clip->buffers[entry]).starts, entry <= play ? 1 : 0);
        }
    }
    EXPECT_EQ(gameRandomState(), 1u);
    // The duplicates share the first buffer's samples: the one load filled all three.
    for (int entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(contents(clip->buffers[entry], 44100), data);
    }
    // All three sounding, the fourth play goes on with the one the number picks, modulo 3.
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandom(), 18467) << "only the fourth play draws";
    for (int entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(soundBufferReport(clip->buffers[entry]).starts, 1);
        EXPECT_EQ(soundBufferReport(clip->buffers[entry]).restarts, 0);
    }
    setGameRandomState(1);
    for (const int entry : {2, 2, 1, 1, 2, 1, 0}) {
        EXPECT_EQ(clip->pickIdleBuffer(), clip->buffers[entry]);
    }

    // The first to end is the first taken again.
    headless::setClock(1015);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(soundBufferReport(clip->buffers[0]).starts, 2);
    EXPECT_EQ(soundBufferReport(clip->buffers[1]).starts, 1);
}

// A load that reads less than the buffer holds leaves silence of the sample kind behind it,
// over whatever the buffer held before.
TEST_F(SoundClipTest, ShortLoadFillsTheRestWithSilence) {
    for (const auto& [bits, silence] : {std::pair<std::uint16_t, char>{8, '\x80'}, {16, '\0'}}) {
        SCOPED_TRACE(bits);
        const std::string data = wave::samples(100);
        folder_.write("Data/Short.wav", wave::file(1, 22050, bits, data));
        auto* reader = new WaveReader;
        ASSERT_EQ(reader->open("Data\\Short.wav"), S_OK);
        platform::BufferDescription description;
        description.bufferBytes = 300;
        description.format = reader->format;
        platform::SoundBuffer* buffer = nullptr;
        ASSERT_EQ(platform::createSoundBuffer(device_.device, description, &buffer), S_OK);
        void* region = nullptr;
        std::uint32_t regionBytes = 0;
        ASSERT_EQ(platform::lockBuffer(buffer, 0, 300, &region, &regionBytes), S_OK);
        std::memset(region, 0x55, regionBytes);
        platform::unlockBuffer(buffer, region, regionBytes);

        SoundClip clip(&buffer, 300, 1, reader);
        EXPECT_EQ(contents(buffer, 300), data + std::string(200, silence));
    }
}

TEST_F(SoundClipTest, CreateClipRefusesWhatCannotBeAClip) {
    folder_.write("Data/Good.wav", wave::file(1, 22050, 16, wave::samples(400)));
    folder_.write("Data/Empty.wav", wave::file(1, 22050, 16, ""));
    folder_.write("Data/Wide.wav", wave::file(1, 22050, 24, wave::samples(300)));
    SoundClip* const untouched = reinterpret_cast<SoundClip*>(&device_);
    SoundClip* clip = untouched;
    SoundDevice closed;
    const struct {
        SoundDevice* device;
        SoundClip** out;
        const char* file;
        std::uint32_t buffers;
        HResult result;
    } cases[] = {
        {&device_, &clip, "Data\\Good.wav", 0, E_INVALIDARG},
        {&device_, &clip, nullptr, 1, E_INVALIDARG},
        {&device_, nullptr, "Data\\Good.wav", 1, E_INVALIDARG},
        {&device_, &clip, "Data\\Missing.wav", 1, E_FAIL},
        {&device_, &clip, "Data\\Empty.wav", 1, E_FAIL},
        {&device_, &clip, "Data\\Wide.wav", 1, platform::DSERR_BADFORMAT},
        {&closed, &clip, "Data\\Good.wav", 1, CO_E_NOTINITIALIZED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.device->createClip(c.out, c.file, 0, AlgorithmId{}, c.buffers), c.result)
            << (c.file != nullptr ? c.file : "no file") << ", " << c.buffers;
    }
    headless::setAudioResult(platform::backend::AudioStep::DuplicateBuffer, E_OUTOFMEMORY);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Good.wav", 0, AlgorithmId{}, 2), E_OUTOFMEMORY);
    EXPECT_EQ(clip, untouched);

    // A success code of buffer creation is passed on, with the clip made.
    headless::setAudioResult(platform::backend::AudioStep::CreateBuffer, DS_NO_VIRTUALIZATION);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Good.wav", 0, AlgorithmId{}, 1),
              DS_NO_VIRTUALIZATION);
    ASSERT_NE(clip, untouched);
    clips_.emplace_back(clip);
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
    // round waits 10 ms.
    headless::refuseSoundRestores(3);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(platform::tickCount(), 220u);

    const auto lost = soundBufferReport(clip->buffers[0]);
    EXPECT_FALSE(lost.lost);
    EXPECT_TRUE(lost.playing);
    EXPECT_EQ(lost.starts, 2);
    EXPECT_EQ(lost.startTick, 220u);
    EXPECT_EQ(lost.startPosition, 0u);
    EXPECT_EQ(contents(clip->buffers[0], 44100), data);
    // The other buffer, still sounding, went back to its start.
    const auto other = soundBufferReport(clip->buffers[1]);
    EXPECT_EQ(other.restarts, 1);
    EXPECT_EQ(other.startTick, 220u);
    EXPECT_EQ(gameRandomState(), 1u);
}

} // namespace
