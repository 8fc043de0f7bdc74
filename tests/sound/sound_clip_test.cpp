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

std::uint32_t nextRandomState(std::uint32_t state) {
    return state * 214013u + 2531011u;
}

class SoundClipTest : public ::testing::Test {
protected:
    SoundClipTest() {
        headless::reset();
        setGameRandomState(1);
        EXPECT_EQ(device_.open(platform::createWindow("test"), DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    }

    // A clip of a 16-bit mono wave at 22050 Hz: 44100 bytes last a second.
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
    struct Case {
        std::uint16_t channels;
        std::uint32_t rate;
        std::uint16_t bits;
        std::size_t bytes;
        std::uint32_t milliseconds;
    };
    for (const Case& c : {Case{1, 22050, 16, 44100, 1000}, Case{2, 11025, 8, 11025, 500},
                          Case{2, 22050, 16, 8820, 100}, Case{1, 8000, 8, 1001, 125}}) {
        SCOPED_TRACE(c.milliseconds);
        headless::setClock(5000);
        SoundClip* clip = makeClip(1, wave::samples(c.bytes), c.bits, c.channels, c.rate);
        ASSERT_EQ(clip->play(0), S_OK);
        headless::setClock(5000 + c.milliseconds - 1);
        EXPECT_TRUE(soundBufferReport(clip->buffers[0]).playing);
        headless::setClock(5000 + c.milliseconds);
        EXPECT_FALSE(soundBufferReport(clip->buffers[0]).playing);
    }
}

TEST_F(SoundClipTest, OneBufferPlayedAgainWhileSoundingGoesOnAndTakesOneDraw) {
    SoundClip* clip = makeClip(1, wave::samples(44100));
    platform::SoundBuffer* buffer = clip->buffers[0];
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(soundBufferReport(buffer).starts, 1);
    EXPECT_EQ(gameRandomState(), 1u);

    headless::setClock(999);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandomState(), nextRandomState(1));
    const auto report = soundBufferReport(buffer);
    EXPECT_EQ(report.starts, 1);
    EXPECT_EQ(report.restarts, 0);
    EXPECT_EQ(report.startTick, 0u);

    // Once it has ended, it plays from the start again and draws nothing.
    headless::setClock(1000);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandomState(), nextRandomState(1));
    EXPECT_EQ(soundBufferReport(buffer).starts, 2);
    EXPECT_EQ(soundBufferReport(buffer).startTick, 1000u);
    EXPECT_EQ(soundBufferReport(buffer).startPosition, 0u);
}

TEST_F(SoundClipTest, ThreeBuffersSoundTogetherThenOneIsChosenAtRandom) {
    const std::string data = wave::samples(44100);
    SoundClip* clip = makeClip(3, data);
    ASSERT_EQ(clip->bufferCount, 3u);
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

    for (std::uint32_t seed : {1u, 2u, 77u, 1234567u, 0xFFFFFFFFu}) {
        setGameRandomState(seed);
        const std::uint32_t drawn = nextRandomState(seed) >> 16 & 0x7FFF;
        EXPECT_EQ(clip->pickIdleBuffer(), clip->buffers[drawn % 3]) << seed;
    }
    setGameRandomState(5);
    ASSERT_EQ(clip->play(0), S_OK);
    EXPECT_EQ(gameRandomState(), nextRandomState(5));
    for (int entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(soundBufferReport(clip->buffers[entry]).starts, 1);
        EXPECT_EQ(soundBufferReport(clip->buffers[entry]).restarts, 0);
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
    for (std::uint16_t bits : {8, 16}) {
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
        const std::string held = contents(buffer, 300);
        const char silence = bits == 8 ? '\x80' : '\0';
        EXPECT_EQ(held, data + std::string(200, silence));
    }
}

TEST_F(SoundClipTest, CreateClipRefusesWhatCannotBeAClip) {
    folder_.write("Data/Good.wav", wave::file(1, 22050, 16, wave::samples(400)));
    folder_.write("Data/Empty.wav", wave::file(1, 22050, 16, ""));
    folder_.write("Data/Wide.wav", wave::file(1, 22050, 24, wave::samples(300)));
    SoundClip* untouched = reinterpret_cast<SoundClip*>(&device_);
    SoundClip* clip = untouched;
    EXPECT_EQ(device_.createClip(&clip, "Data\\Good.wav", 0, AlgorithmId{}, 0), E_INVALIDARG);
    EXPECT_EQ(device_.createClip(&clip, nullptr, 0, AlgorithmId{}, 1), E_INVALIDARG);
    EXPECT_EQ(device_.createClip(nullptr, "Data\\Good.wav", 0, AlgorithmId{}, 1), E_INVALIDARG);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Missing.wav", 0, AlgorithmId{}, 1), E_FAIL);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Empty.wav", 0, AlgorithmId{}, 1), E_FAIL);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Wide.wav", 0, AlgorithmId{}, 1),
              platform::DSERR_BADFORMAT);
    headless::setAudioResult(platform::backend::AudioStep::DuplicateBuffer, E_OUTOFMEMORY);
    EXPECT_EQ(device_.createClip(&clip, "Data\\Good.wav", 0, AlgorithmId{}, 2), E_OUTOFMEMORY);
    EXPECT_EQ(clip, untouched);

    SoundDevice closed;
    EXPECT_EQ(closed.createClip(&clip, "Data\\Good.wav", 0, AlgorithmId{}, 1), CO_E_NOTINITIALIZED);
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
