// The sound device on the scripted back end: what opening it asks of the output, which
// refusals it passes on and which it shrugs off, and that it gives everything back.
#include <gtest/gtest.h>

#include <memory>

#include "platform/headless/audio_control.h"
#include "platform/headless/headless.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "support/temporary_folder.h"
#include "wave_bytes.h"

namespace {

using platform::backend::AudioStep;

class SoundDeviceTest : public ::testing::Test {
protected:
    SoundDeviceTest() {
        headless::reset();
        folder_.write("Data/Cow.wav", wave::file(1, 22050, 8, wave::samples(500)));
    }

    HResult openForGame(SoundDevice& device) {
        return device.open(window_, DSSCL_PRIORITY, 2, 22050, 16);
    }
    SoundClip* makeClip(SoundDevice& device, std::uint32_t buffers) {
        SoundClip* clip = nullptr;
        EXPECT_EQ(device.createClip(&clip, "Data\\Cow.wav", 0, AlgorithmId{}, buffers), S_OK);
        return clip;
    }

    platform::Window* window_ = platform::createWindow("test");
    TemporaryFolder folder_;
    WorkingDirectory directory_{folder_.path()};
};

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
        const std::unique_ptr<SoundClip> clip(makeClip(device, 1));
        EXPECT_EQ(clip->play(0), S_OK);
        EXPECT_TRUE(headless::soundBufferReport(clip->buffers[0]).playing);
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
    auto* device = new SoundDevice;
    ASSERT_EQ(openForGame(*device), S_OK);
    SoundClip* one = makeClip(*device, 1);
    SoundClip* three = makeClip(*device, 3);
    // A failed duplication leaves the buffers made so far with the device.
    SoundClip* failed = nullptr;
    headless::setAudioResult(AudioStep::DuplicateBuffer, E_OUTOFMEMORY);
    ASSERT_EQ(device->createClip(&failed, "Data\\Cow.wav", 0, AlgorithmId{}, 2), E_OUTOFMEMORY);
    EXPECT_EQ(headless::liveSoundBuffers(), 5);
    one->play(0);
    three->play(0);
    // The clips go first and leave their buffers to the device, as in the game.
    delete one;
    delete three;
    EXPECT_EQ(headless::liveSoundBuffers(), 5);
    delete device;
    EXPECT_EQ(headless::liveSoundBuffers(), 0);
    EXPECT_EQ(headless::openAudioDevices(), 0);
}

} // namespace
