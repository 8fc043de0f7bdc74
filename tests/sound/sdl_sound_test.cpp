// The sound path on SDL2_mixer, heard through SDL's disk output: a clip made from a wave file
// plays into the mix, whatever the wave's own format, and no output at all fails the open.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/system.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "support/temporary_folder.h"
#include "wave_bytes.h"

namespace {

// A tone of the given frequency, 8-bit unsigned or 16-bit signed, mono.
std::string tone(std::uint32_t rate, std::uint16_t bits, double seconds, double hertz) {
    const auto count = static_cast<std::size_t>(rate * seconds);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const double value = std::sin(2 * M_PI * hertz * static_cast<double>(i) / rate);
        if (bits == 8) {
            bytes += static_cast<char>(128 + static_cast<int>(std::lround(value * 100)));
        } else {
            bytes += wave::le16(static_cast<std::uint16_t>(std::lround(value * 12000)));
        }
    }
    return bytes;
}

// 16-bit stereo frames from the disk output; counts those clearly above silence.
std::size_t loudFrames(const std::string& output) {
    std::size_t loud = 0;
    for (std::size_t i = 0; i + 4 <= output.size(); i += 4) {
        const auto left = static_cast<std::int16_t>(static_cast<std::uint8_t>(output[i]) |
                                                    static_cast<std::uint8_t>(output[i + 1]) << 8);
        if (std::abs(left) > 2000) {
            ++loud;
        }
    }
    return loud;
}

TEST(SdlSoundTest, TheWindIsHeardInTheMix) {
    struct Case {
        std::uint32_t rate;
        std::uint16_t bits;
    };
    for (const Case& c : {Case{22050, 16}, Case{11025, 8}}) {
        SCOPED_TRACE(c.bits);
        TemporaryFolder folder;
        WorkingDirectory directory(folder.path());
        folder.write("Data/Wind.wav",
                     wave::file(1, c.rate, c.bits, tone(c.rate, c.bits, 0.4, 440)));
        const std::string output = folder.file("mix.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

        auto* device = new SoundDevice;
        ASSERT_EQ(device->open(nullptr, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
        SoundClip* wind = nullptr;
        ASSERT_EQ(device->createClip(&wind, "Data\\Wind.wav", 0, AlgorithmId{}, 1), S_OK);
        ASSERT_EQ(wind->play(0), S_OK);
        std::uint32_t status = 0;
        ASSERT_EQ(platform::getStatus(wind->buffers[0], &status), S_OK);
        EXPECT_EQ(status, platform::DSBSTATUS_PLAYING);
        // A second play while it sounds succeeds and adds nothing.
        EXPECT_EQ(wind->play(0), S_OK);
        for (int waited = 0; waited < 3000 && status == platform::DSBSTATUS_PLAYING; waited += 20) {
            platform::sleep(20);
            platform::getStatus(wind->buffers[0], &status);
        }
        EXPECT_EQ(status, 0u) << "the sound never ended";

        delete wind;
        delete device; // closes the output and its file

        // At 22050 frames a second, 0.4 s of tone is 8820 frames; most of them are loud.
        EXPECT_GT(loudFrames(folder.read("mix.raw")), 4000u);
    }
}

// Each buffer has a mixer channel of its own: two plays of a two-buffer clip sound together.
TEST(SdlSoundTest, TheBuffersOfAClipSoundTogether) {
    TemporaryFolder folder;
    WorkingDirectory directory(folder.path());
    folder.write("Data/Cow.wav", wave::file(1, 22050, 16, tone(22050, 16, 0.5, 300)));
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", folder.file("mix.raw").c_str(), 1);
    SoundDevice device;
    ASSERT_EQ(device.open(nullptr, DSSCL_PRIORITY, 2, 22050, 16), S_OK);
    SoundClip* cow = nullptr;
    ASSERT_EQ(device.createClip(&cow, "Data\\Cow.wav", 0, AlgorithmId{}, 2), S_OK);
    EXPECT_EQ(cow->play(0), S_OK);
    EXPECT_EQ(cow->play(0), S_OK);
    std::uint32_t first = 0;
    std::uint32_t second = 0;
    platform::getStatus(cow->buffers[0], &first);
    platform::getStatus(cow->buffers[1], &second);
    EXPECT_EQ(first & second, platform::DSBSTATUS_PLAYING);
    delete cow;
}

TEST(SdlSoundTest, NoOutputFailsTheOpen) {
    setenv("SDL_AUDIODRIVER", "no-such-output", 1);
    SoundDevice device;
    EXPECT_EQ(device.open(nullptr, DSSCL_PRIORITY, 2, 22050, 16), platform::DSERR_NODRIVER);
    EXPECT_EQ(device.device, nullptr);
}

} // namespace
