// Sound clips: each play takes a buffer that is not sounding, brings back a buffer whose
// memory the output took away, and starts it once through.
#include "sound/sound_clip.h"

#include <algorithm>
#include <new>

#include "platform/system.h"
#include "sound/wave_reader.h"
#include "world/game_random.h"

namespace {
constexpr std::uint32_t RestoreWaitMilliseconds = 10;
} // namespace

SoundClip::SoundClip(platform::SoundBuffer* const* buffers, std::uint32_t bufferBytes,
                     std::uint32_t bufferCount, std::unique_ptr<WaveReader> reader)
    : buffers(new (std::nothrow) platform::SoundBuffer*[bufferCount]), bufferBytes(bufferBytes),
      reader(std::move(reader)), bufferCount(bufferCount) {
    if (this->buffers == nullptr) {
        return; // a clip without a buffer list plays nothing
    }
    std::copy_n(buffers, bufferCount, this->buffers.get());
    // The duplicates share the first buffer's samples, so this one load fills them all. A load
    // that fails leaves what could be read.
    loadBuffer(this->buffers[0]);
    for (std::uint32_t i = 0; i < bufferCount; ++i) {
        platform::setCurrentPosition(this->buffers[i], 0);
    }
}

SoundClip::~SoundClip() = default;

HResult SoundClip::loadBuffer(platform::SoundBuffer* buffer) {
    if (buffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    HResult result = recoverBuffer(buffer, nullptr);
    if (failed(result)) {
        return result;
    }
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    if (failed(result = platform::lockBuffer(buffer, 0, bufferBytes, &region, &regionBytes))) {
        return result;
    }
    auto* samples = static_cast<std::uint8_t*>(region);
    std::uint32_t bytesRead = 0;
    if (reader != nullptr) {
        reader->rewind();
        result = reader->read(samples, regionBytes, &bytesRead);
    }
    if (failed(result)) {
        platform::unlockBuffer(buffer, region, regionBytes);
        return result;
    }
    // Whatever the wave does not fill is silence: the middle value for 8-bit samples, which
    // are unsigned, and zero for the rest.
    const bool eightBit =
        reader != nullptr && reader->format != nullptr && reader->format->bitsPerSample == 8;
    const std::uint8_t silence = eightBit ? 0x80 : 0x00;
    std::fill(samples + bytesRead, samples + regionBytes, silence);
    platform::unlockBuffer(buffer, region, regionBytes);
    return S_OK;
}

HResult SoundClip::recoverBuffer(platform::SoundBuffer* buffer, bool* wasRestored) {
    if (buffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    if (wasRestored != nullptr) {
        *wasRestored = false;
    }
    std::uint32_t status = 0;
    const HResult result = platform::getStatus(buffer, &status);
    if (failed(result)) {
        return result;
    }
    if ((status & platform::DSBSTATUS_BUFFERLOST) == 0) {
        return S_FALSE;
    }
    // Waits, on the game's thread, until the output gives the memory back; our outputs never
    // refuse for good.
    HResult restored = S_OK;
    do {
        if (platform::restoreBuffer(buffer) == DSERR_BUFFERLOST) {
            platform::sleep(RestoreWaitMilliseconds);
        }
        restored = platform::restoreBuffer(buffer);
    } while (restored != S_OK);
    if (wasRestored != nullptr) {
        *wasRestored = true;
    }
    return S_OK;
}

HResult SoundClip::rewindAll() {
    if (buffers == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    HResult result = S_OK;
    for (std::uint32_t i = 0; i < bufferCount; ++i) {
        result |= platform::setCurrentPosition(buffers[i], 0);
    }
    return result;
}

platform::SoundBuffer* SoundClip::pickIdleBuffer() {
    if (buffers == nullptr) {
        return nullptr;
    }
    for (std::uint32_t i = 0; i < bufferCount; ++i) {
        if (buffers[i] == nullptr) {
            continue;
        }
        // A buffer whose status cannot be had counts as idle.
        std::uint32_t status = 0;
        platform::getStatus(buffers[i], &status);
        if ((status & platform::DSBSTATUS_PLAYING) == 0) {
            return buffers[i];
        }
    }
    // All sounding: one of them at random, which draws from the game's one sequence even when
    // there is only one to choose.
    return buffers[static_cast<std::uint32_t>(gameRandom()) % bufferCount];
}

HResult SoundClip::play(std::uint32_t priority) {
    if (buffers == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    platform::SoundBuffer* buffer = pickIdleBuffer();
    if (buffer == nullptr) {
        return E_FAIL;
    }
    bool restored = false;
    HResult result = recoverBuffer(buffer, &restored);
    if (failed(result)) {
        return result;
    }
    if (restored) {
        if (failed(result = loadBuffer(buffer))) {
            return result;
        }
        rewindAll();
    }
    // Not rewound: a buffer that played to its end already stands at its start, and one that
    // still sounds goes on.
    return platform::playBuffer(buffer, priority);
}
