// One wave file loaded into sound buffers, played once through on the game's events. A clip
// with several buffers can sound several times at once.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/audio.h"
#include "platform/result.h"

class WaveReader;

class SoundClip {
public:
    // Copies the buffer list, takes over the reader and loads the sound into the buffers.
    SoundClip(platform::SoundBuffer* const* buffers, std::uint32_t bufferBytes,
              std::uint32_t bufferCount, std::unique_ptr<WaveReader> reader);
    virtual ~SoundClip();
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;

    HResult play(std::uint32_t priority);
    HResult loadBuffer(platform::SoundBuffer* buffer);
    // S_FALSE when the buffer was not lost; wasRestored may be null.
    HResult recoverBuffer(platform::SoundBuffer* buffer, bool* wasRestored);
    HResult rewindAll();
    platform::SoundBuffer* pickIdleBuffer();

    // The buffers belong to the device; the clip only holds the list.
    std::unique_ptr<platform::SoundBuffer*[]> buffers;
    std::uint32_t bufferBytes;
    std::unique_ptr<WaveReader> reader;
    std::uint32_t bufferCount;
};
