// Silent stand-in for the sound device: every clip is made and plays nothing.
#include "sound/sound_device.h"

#include "sound/sound_clip.h"

SoundDevice::SoundDevice() = default;
SoundDevice::~SoundDevice() = default;

HResult SoundDevice::open(platform::Window* /*window*/, std::uint32_t /*level*/,
                          std::uint32_t channels, std::uint32_t samplesPerSecond,
                          std::uint32_t bitsPerSample) {
    setPrimaryFormat(channels, samplesPerSecond, bitsPerSample);
    return S_OK;
}

HResult SoundDevice::setPrimaryFormat(std::uint32_t /*channels*/,
                                      std::uint32_t /*samplesPerSecond*/,
                                      std::uint32_t /*bitsPerSample*/) {
    return S_OK;
}

HResult SoundDevice::createClip(SoundClip** clip, const char* fileName,
                                std::uint32_t /*creationFlags*/, const AlgorithmId& /*algorithm*/,
                                std::uint32_t bufferCount) {
    if (clip == nullptr || fileName == nullptr || bufferCount == 0) {
        return E_INVALIDARG;
    }
    *clip = new SoundClip;
    return S_OK;
}
