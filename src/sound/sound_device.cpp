// The sound device: opens the output, sets the mixer to the game's format, and makes clips
// from wave files.
#include "sound/sound_device.h"

#include <memory>
#include <new>
#include <string>

#include "platform/system.h"
#include "sound/sound_clip.h"
#include "sound/wave_reader.h"

SoundDevice::SoundDevice() = default;

// Every buffer of every clip goes with the device.
SoundDevice::~SoundDevice() = default;

HResult SoundDevice::open(platform::Window* window, std::uint32_t level, std::uint32_t channels,
                          std::uint32_t samplesPerSecond, std::uint32_t bitsPerSample) {
    device.reset();
    platform::AudioDevice* opened = nullptr;
    HResult result = platform::createAudioDevice(&opened);
    device.reset(opened);
    if (failed(result)) {
        return result;
    }
    if (failed(result = platform::setCooperativeLevel(device.get(), window, level))) {
        return result;
    }
    // Sound plays in whatever format the mixer keeps when it refuses this one.
    setPrimaryFormat(channels, samplesPerSecond, bitsPerSample);
    return S_OK;
}

HResult SoundDevice::setPrimaryFormat(std::uint32_t channels, std::uint32_t samplesPerSecond,
                                      std::uint32_t bitsPerSample) {
    if (device == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    platform::BufferDescription description;
    description.flags = platform::DSBCAPS_PRIMARYBUFFER;
    platform::SoundBuffer* primary = nullptr;
    HResult result = platform::createSoundBuffer(device.get(), description, &primary);
    if (failed(result)) {
        return result;
    }
    platform::WaveFormat format;
    format.formatTag = platform::WAVE_FORMAT_PCM;
    format.channels = static_cast<std::uint16_t>(channels);
    format.samplesPerSecond = samplesPerSecond;
    format.blockAlign = static_cast<std::uint16_t>(bitsPerSample / 8 * channels);
    format.averageBytesPerSecond = format.blockAlign * samplesPerSecond;
    format.bitsPerSample = static_cast<std::uint16_t>(bitsPerSample);
    format.extraSize = 0;
    result = platform::setFormat(primary, format);
    // The device keeps no hold on the primary buffer.
    platform::releaseSoundBuffer(primary);
    return failed(result) ? result : S_OK;
}

HResult SoundDevice::createClip(std::unique_ptr<SoundClip>& clip, const char* fileName,
                                std::uint32_t creationFlags, const platform::AlgorithmId& algorithm,
                                std::uint32_t bufferCount) {
    if (device == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    if (fileName == nullptr || bufferCount == 0) {
        return E_INVALIDARG;
    }
    std::unique_ptr<platform::SoundBuffer*[]> buffers(new (std::nothrow)
                                                          platform::SoundBuffer* [bufferCount] {});
    if (buffers == nullptr) {
        return E_OUTOFMEMORY;
    }
    std::unique_ptr<WaveReader> reader(new (std::nothrow) WaveReader);
    if (reader == nullptr) {
        return E_OUTOFMEMORY;
    }
    // A file that does not open and a wave without sound both leave a size of 0.
    reader->open(fileName);
    if (reader->dataSize() == 0) {
        return E_FAIL;
    }
    if (reader->statedDataSize() > reader->dataSize()) {
        const std::string line =
            std::string(fileName) + ": cut short; " + std::to_string(reader->dataSize()) + " of " +
            std::to_string(reader->statedDataSize()) + " sound bytes are there\n";
        platform::debugLine(line.c_str());
    }

    platform::BufferDescription description;
    description.flags = creationFlags;
    description.bufferBytes = reader->dataSize();
    description.format = reader->format;
    description.algorithm = algorithm;
    HResult result = platform::createSoundBuffer(device.get(), description, &buffers[0]);
    if (failed(result)) {
        return result;
    }
    const HResult created = result == DS_NO_VIRTUALIZATION ? DS_NO_VIRTUALIZATION : S_OK;
    // The duplicates share the first buffer's samples. Buffers made before a failure stay with
    // the device.
    for (std::uint32_t i = 1; i < bufferCount; ++i) {
        if (failed(result =
                       platform::duplicateSoundBuffer(device.get(), buffers[0], &buffers[i]))) {
            return result;
        }
    }

    const std::uint32_t bufferBytes = reader->dataSize();
    // The clip takes the reader along.
    std::unique_ptr<SoundClip> made(
        new (std::nothrow) SoundClip(buffers.get(), bufferBytes, bufferCount, std::move(reader)));
    if (made == nullptr) {
        return E_OUTOFMEMORY;
    }
    clip = std::move(made);
    return created;
}
