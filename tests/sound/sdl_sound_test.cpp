// The sound path on SDL2_mixer, heard through SDL's disk output: a clip made from a wave file
// plays into the mix, whatever the wave's own format, and no output at all fails the open. (A
// buffer and its duplicate sounding together is the back-end contract's.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/system.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "support/temporary_folder.h"
#include "support/wave_bytes.h"

namespace {

// A game folder holding Data/<name>.wav, a 440 Hz mono tone, whose mix SDL writes to mix.raw.
class SdlSound : public ::testing::Test {
protected:
    void writeTone(const char* name, std::uint32_t rate, std::uint16_t bits, double seconds) {
        std::string bytes;
        for (std::size_t i = 0; i < static_cast<std::size_t>(rate * seconds); ++i) {
            const double value = std::sin(2 * M_PI * 440 * static_cast<double>(i) / rate);
            bytes += bits == 8 ? std::string(1, static_cast<char>(128 + std::lround(value * 100)))
                               : wave::le16(static_cast<std::uint16_t>(std::lround(value * 12000)));
        }
        folder_.write(std::string("Data/") + name + ".wav", wave::file(1, rate, bits, bytes));
        std::remove(folder_.file("mix.raw").c_str()); // a mix of this test's own
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", folder_.file("mix.raw").c_str(), 1);
    }
    static std::uint32_t status(const SoundClip* clip, int buffer) {
        std::uint32_t status = 99;
        EXPECT_EQ(platform::getStatus(clip->buffers[buffer], &status), S_OK);
        return status;
    }

    TemporaryFolder folder_;
    WorkingDirectory directory_{folder_.path()};
};

TEST_F(SdlSound, TheWindIsHeardInTheMix) {
    for (const auto& [rate, bits] :
         {std::pair<std::uint32_t, std::uint16_t>{22050, 16}, {11025, 8}}) {
        SCOPED_TRACE(bits);
        writeTone("Wind", rate, bits, 0.4);
        auto device = std::make_unique<SoundDevice>();
        ASSERT_EQ(device->open(nullptr, platform::DSSCL_PRIORITY, 2, 22050, 16), S_OK);
        std::unique_ptr<SoundClip> wind;
        ASSERT_EQ(device->createClip(wind, "Data\\Wind.wav", 0, platform::AlgorithmId{}, 1), S_OK);
        ASSERT_EQ(wind->play(0), S_OK);
        EXPECT_EQ(status(wind.get(), 0), platform::DSBSTATUS_PLAYING);
        // A second play while it sounds succeeds and adds nothing.
        EXPECT_EQ(wind->play(0), S_OK);
        for (int waited = 0; waited < 3000 && status(wind.get(), 0) != 0; waited += 20) {
            platform::sleep(20);
        }
        EXPECT_EQ(status(wind.get(), 0), 0u) << "the sound never ended";
        wind.reset();
        device.reset(); // closes the output and its file

        // 16-bit stereo frames at 22050 a second: 0.4 s of tone is 8820, most of them loud.
        const std::string mix = folder_.read("mix.raw");
        std::size_t loud = 0;
        for (std::size_t i = 0; i + 4 <= mix.size(); i += 4) {
            const auto left = static_cast<std::int16_t>(static_cast<std::uint8_t>(mix[i]) |
                                                        static_cast<std::uint8_t>(mix[i + 1]) << 8);
            loud += std::abs(left) > 2000;
        }
        EXPECT_GT(loud, 4000u);
    }
}

TEST(SdlSoundOutput, NoOutputFailsTheOpen) {
    setenv("SDL_AUDIODRIVER", "no-such-output", 1);
    SoundDevice device;
    EXPECT_EQ(device.open(nullptr, platform::DSSCL_PRIORITY, 2, 22050, 16),
              platform::DSERR_NODRIVER);
    EXPECT_EQ(device.device, nullptr);
}

} // namespace
