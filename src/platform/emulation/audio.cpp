// The sound output as the game sees it: the device and its buffers in memory, each buffer with
// the back end's voice that plays it.
#include "platform/audio.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "platform/audio_backend.h"

namespace platform {

using backend::AudioStep;
using backend::SampleMemory;

struct SoundBuffer {
    AudioDevice* device = nullptr;
    bool primary = false;
    std::shared_ptr<SampleMemory> memory; // null for the primary buffer
    backend::Voice* voice = nullptr;
    std::uint32_t position = 0; // where the next play starts
    bool locked = false;

    ~SoundBuffer() { backend::destroyVoice(voice); }
};

struct AudioDevice {
    std::uint32_t level = 0; // co-operative level, 0 until set
    std::vector<std::unique_ptr<SoundBuffer>> buffers;
};

backend::Voice* voiceOf(const SoundBuffer* buffer) {
    return buffer != nullptr ? buffer->voice : nullptr;
}

namespace {

// What a plain buffer plays: PCM, mono or stereo, 8 or 16 bits, with the sizes that follow.
bool playableFormat(const WaveFormat& format) {
    const bool layout = format.formatTag == WAVE_FORMAT_PCM &&
                        (format.channels == 1 || format.channels == 2) &&
                        (format.bitsPerSample == 8 || format.bitsPerSample == 16);
    if (!layout) {
        return false;
    }
    const std::uint32_t frame = format.channels * format.bitsPerSample / 8u;
    return format.samplesPerSecond >= 100 && format.samplesPerSecond <= 200000 &&
           format.blockAlign == frame &&
           format.averageBytesPerSecond == frame * format.samplesPerSecond;
}

// Adds a buffer to the device, which owns it from then on.
HResult adopt(AudioDevice* device, std::unique_ptr<SoundBuffer> buffer, SoundBuffer** out) {
    if (!buffer->primary) {
        const HResult result = backend::createVoice(&buffer->voice);
        if (failed(result)) {
            return result;
        }
    }
    try {
        device->buffers.push_back(std::move(buffer));
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    *out = device->buffers.back().get();
    return S_OK;
}

// Whether a buffer's samples may be written or played: a secondary buffer, not locked, with
// its voice not lost.
HResult readyForSamples(const SoundBuffer* buffer) {
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (buffer->primary || buffer->locked) {
        return DSERR_INVALIDCALL;
    }
    return backend::voiceLost(buffer->voice) ? DSERR_BUFFERLOST : S_OK;
}

} // namespace

HResult createAudioDevice(AudioDevice** device) {
    *device = nullptr;
    HResult result = backend::audioStep(AudioStep::CreateDevice);
    if (failed(result)) {
        return result;
    }
    if (failed(result = backend::openAudio())) {
        return result;
    }
    *device = new (std::nothrow) AudioDevice;
    if (*device == nullptr) {
        backend::closeAudio();
        return DSERR_OUTOFMEMORY;
    }
    return S_OK;
}

void releaseAudioDevice(AudioDevice* device) {
    if (device == nullptr) {
        return;
    }
    delete device; // the buffers first, with their voices
    backend::closeAudio();
}

HResult setCooperativeLevel(AudioDevice* device, Window* /*window*/, std::uint32_t level) {
    const HResult result = backend::audioStep(AudioStep::CooperativeLevel);
    if (succeeded(result)) {
        device->level = level;
    }
    return result;
}

HResult createSoundBuffer(AudioDevice* device, const BufferDescription& description,
                          SoundBuffer** buffer) {
    *buffer = nullptr;
    auto made = std::unique_ptr<SoundBuffer>(new (std::nothrow) SoundBuffer);
    if (made == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    made->device = device;

    if ((description.flags & DSBCAPS_PRIMARYBUFFER) != 0) {
        if (description.bufferBytes != 0 || description.format != nullptr) {
            return DSERR_INVALIDPARAM;
        }
        const HResult result = backend::audioStep(AudioStep::PrimaryBuffer);
        if (failed(result)) {
            return result;
        }
        made->primary = true;
        const HResult adopted = adopt(device, std::move(made), buffer);
        return failed(adopted) ? adopted : result;
    }

    if (description.format == nullptr || description.bufferBytes < DSBSIZE_MIN ||
        description.bufferBytes > DSBSIZE_MAX) {
        return DSERR_INVALIDPARAM;
    }
    if (!playableFormat(*description.format)) {
        return DSERR_BADFORMAT;
    }
    const HResult result = backend::audioStep(AudioStep::CreateBuffer);
    if (failed(result)) {
        return result;
    }
    try {
        made->memory = std::make_shared<SampleMemory>();
        made->memory->format = *description.format;
        made->memory->format.extraSize = 0;
        made->memory->bytes.assign(description.bufferBytes, 0);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    // The fresh samples are silence of the format's own kind; the sound takes them when the
    // game has written them.
    if (description.format->bitsPerSample == 8) {
        std::fill(made->memory->bytes.begin(), made->memory->bytes.end(), 0x80);
    }
    const HResult adopted = adopt(device, std::move(made), buffer);
    return failed(adopted) ? adopted : result;
}

HResult duplicateSoundBuffer(AudioDevice* device, SoundBuffer* original, SoundBuffer** duplicate) {
    *duplicate = nullptr;
    if (original == nullptr || original->primary || original->device != device) {
        return DSERR_INVALIDCALL;
    }
    const HResult result = backend::audioStep(AudioStep::DuplicateBuffer);
    if (failed(result)) {
        return result;
    }
    auto made = std::unique_ptr<SoundBuffer>(new (std::nothrow) SoundBuffer);
    if (made == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    made->device = device;
    made->memory = original->memory;
    const HResult adopted = adopt(device, std::move(made), duplicate);
    return failed(adopted) ? adopted : result;
}

void releaseSoundBuffer(SoundBuffer* buffer) {
    if (buffer == nullptr) {
        return;
    }
    auto& buffers = buffer->device->buffers;
    const auto found = std::find_if(buffers.begin(), buffers.end(),
                                    [buffer](const auto& held) { return held.get() == buffer; });
    if (found != buffers.end()) {
        buffers.erase(found);
    }
}

HResult setFormat(SoundBuffer* primary, const WaveFormat& format) {
    if (primary == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (!primary->primary) {
        return DSERR_INVALIDCALL;
    }
    if (primary->device->level < DSSCL_PRIORITY) {
        return DSERR_PRIOLEVELNEEDED;
    }
    if (!playableFormat(format)) {
        return DSERR_BADFORMAT;
    }
    const HResult result = backend::audioStep(AudioStep::PrimaryFormat);
    if (failed(result)) {
        return result;
    }
    return backend::setMixFormat(format);
}

HResult lockBuffer(SoundBuffer* buffer, std::uint32_t offset, std::uint32_t bytes, void** region,
                   std::uint32_t* regionBytes) {
    *region = nullptr;
    *regionBytes = 0;
    if (const HResult ready = readyForSamples(buffer); ready != S_OK) {
        return ready;
    }
    auto& samples = buffer->memory->bytes;
    if (bytes == 0 || offset >= samples.size() || bytes > samples.size()) {
        return DSERR_INVALIDPARAM;
    }
    *region = samples.data() + offset;
    *regionBytes =
        std::min<std::uint32_t>(bytes, static_cast<std::uint32_t>(samples.size()) - offset);
    buffer->locked = true;
    return S_OK;
}

HResult unlockBuffer(SoundBuffer* buffer, void* region, std::uint32_t regionBytes) {
    if (buffer == nullptr || !buffer->locked) {
        return DSERR_INVALIDPARAM;
    }
    auto& samples = buffer->memory->bytes;
    const auto* start = static_cast<std::uint8_t*>(region);
    if (start < samples.data() || start + regionBytes > samples.data() + samples.size()) {
        return DSERR_INVALIDPARAM;
    }
    buffer->locked = false;
    return backend::takeSamples(*buffer->memory);
}

HResult getStatus(SoundBuffer* buffer, std::uint32_t* status) {
    *status = 0;
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (buffer->primary) {
        return S_OK;
    }
    if (backend::voiceLost(buffer->voice)) {
        *status = DSBSTATUS_BUFFERLOST;
    } else if (backend::voicePlaying(buffer->voice)) {
        *status = DSBSTATUS_PLAYING;
    }
    return S_OK;
}

HResult restoreBuffer(SoundBuffer* buffer) {
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (buffer->primary || !backend::voiceLost(buffer->voice)) {
        return S_OK;
    }
    return backend::restoreVoice(buffer->voice, *buffer->memory);
}

HResult setCurrentPosition(SoundBuffer* buffer, std::uint32_t position) {
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (buffer->primary) {
        return DSERR_INVALIDCALL;
    }
    if (position >= buffer->memory->bytes.size()) {
        return DSERR_INVALIDPARAM;
    }
    if (backend::voiceLost(buffer->voice)) {
        return DSERR_BUFFERLOST;
    }
    // Whole sample frames only.
    position -= position % buffer->memory->format.blockAlign;
    if (backend::voicePlaying(buffer->voice)) {
        return backend::startVoice(buffer->voice, *buffer->memory, position);
    }
    buffer->position = position;
    return S_OK;
}

HResult playBuffer(SoundBuffer* buffer, std::uint32_t /*priority*/) {
    if (const HResult ready = readyForSamples(buffer); ready != S_OK) {
        return ready;
    }
    if (backend::voicePlaying(buffer->voice)) {
        return S_OK;
    }
    const HResult result = backend::startVoice(buffer->voice, *buffer->memory, buffer->position);
    // Once it has played to its end it stands at the start again.
    buffer->position = 0;
    return result;
}

} // namespace platform
