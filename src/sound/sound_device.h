// The sound output and the factory of the game's sound clips.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/audio.h"
#include "platform/result.h"
#include "platform/window.h"

class SoundClip;

class SoundDevice {
public:
    SoundDevice();
    virtual ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // Opens the default output for the window at the co-operative level and asks the mixer
    // for the format; a refused format still leaves a usable device.
    HResult open(platform::Window* window, std::uint32_t level, std::uint32_t channels,
                 std::uint32_t samplesPerSecond, std::uint32_t bitsPerSample);
    HResult setPrimaryFormat(std::uint32_t channels, std::uint32_t samplesPerSecond,
                             std::uint32_t bitsPerSample);
    // Loads a wave file into bufferCount buffers that share its samples; clip is left as it
    // was when that fails.
    HResult createClip(std::unique_ptr<SoundClip>& clip, const char* fileName,
                       std::uint32_t creationFlags, const platform::AlgorithmId& algorithm,
                       std::uint32_t bufferCount);

    platform::AudioDevicePointer device; // null until open succeeds
};
