// The sound output and the factory of the game's sound clips.
#pragma once

#include <cstdint>

#include "platform/result.h"
#include "platform/window.h"

class SoundClip;

// Chooses the platform's 3-D processing of a buffer; the game always passes all zeros.
struct AlgorithmId {
    std::uint8_t bytes[16] = {};
};

inline constexpr std::uint32_t DSSCL_PRIORITY = 2;

class SoundDevice {
public:
    SoundDevice();
    virtual ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    HResult open(platform::Window* window, std::uint32_t level, std::uint32_t channels,
                 std::uint32_t samplesPerSecond, std::uint32_t bitsPerSample);
    HResult setPrimaryFormat(std::uint32_t channels, std::uint32_t samplesPerSecond,
                             std::uint32_t bitsPerSample);
    HResult createClip(SoundClip** clip, const char* fileName, std::uint32_t creationFlags,
                       const AlgorithmId& algorithm, std::uint32_t bufferCount);
};
