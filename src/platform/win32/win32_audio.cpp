// The sound output on DirectSound: the device at the priority level with the game's primary
// format, one static secondary buffer holding each set of samples, and a duplicate of it for
// every buffer the game plays, so that duplicates share their samples as the game expects.
// Without sound (chosen, or agreed to when no output opens) each voice only keeps its sound's
// time: it plays from its start until as long as its samples last has passed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <vector>

#include "platform/audio_backend.h"
#include "platform/system.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <dsound.h>
#include <mmsystem.h>
#include <windows.h>

namespace platform::backend {

namespace {

using win32::ComPointer;

// The buffer that holds one set of samples; voices play duplicates of it.
struct Samples {
    ComPointer<IDirectSoundBuffer> buffer;
    WaveFormat format;
    unsigned generation = 0; // changes whenever the buffer is made anew
};

struct Output {
    bool silent = false;
    LONG volume = DSBVOLUME_MAX; // hundredths of a decibel
    int openDevices = 0;
    ComPointer<IDirectSound> device;
    ComPointer<IDirectSoundBuffer> primary;
    std::map<const SampleMemory*, Samples> samples;
    unsigned generations = 0;
    std::vector<Voice*> voices;
};

Output theOutput;

HResult asResult(HRESULT result) {
    return static_cast<HResult>(result);
}

WAVEFORMATEX waveFormat(const WaveFormat& format) {
    WAVEFORMATEX out{};
    out.wFormatTag = format.formatTag;
    out.nChannels = format.channels;
    out.nSamplesPerSec = format.samplesPerSecond;
    out.nAvgBytesPerSec = format.averageBytesPerSecond;
    out.nBlockAlign = format.blockAlign;
    out.wBitsPerSample = format.bitsPerSample;
    out.cbSize = 0;
    return out;
}

// Copies the game's samples into a DirectSound buffer of the same size.
HResult fill(IDirectSoundBuffer* buffer, const std::vector<std::uint8_t>& bytes) {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    const HRESULT locked = buffer->Lock(0, static_cast<DWORD>(bytes.size()), &first, &firstBytes,
                                        &second, &secondBytes, DSBLOCK_ENTIREBUFFER);
    if (FAILED(locked)) {
        return asResult(locked);
    }
    std::memcpy(first, bytes.data(), std::min<std::size_t>(firstBytes, bytes.size()));
    return asResult(buffer->Unlock(first, firstBytes, second, secondBytes));
}

DWORD statusOf(IDirectSoundBuffer* buffer) {
    DWORD status = 0;
    if (buffer == nullptr || FAILED(buffer->GetStatus(&status))) {
        return 0;
    }
    return status;
}

} // namespace

struct Voice {
    ComPointer<IDirectSoundBuffer> buffer; // a duplicate of the samples' buffer
    const SampleMemory* memory = nullptr;  // the samples it duplicates
    unsigned generation = 0;
    // Without sound: when it started, and its samples' length and rate.
    std::uint32_t silentStart = 0;
    std::uint64_t silentBytes = 0;
    std::uint64_t bytesPerSecond = 0;
};

namespace {

// No output opens: the player may play without sound.
bool agreeToSilence(HRESULT result) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "No sound output can be opened (DirectSound: 0x%08lX).\n\n"
                  "Play without sound?",
                  static_cast<unsigned long>(result));
    const bool yes = MessageBoxA(win32::state().window, text, "Kestravan - No sound",
                                 MB_YESNO | MB_ICONWARNING | MB_TOPMOST) == IDYES;
    win32::logLine(yes ? "No sound output: playing without sound\n"
                       : "No sound output, and no game without it\n");
    return yes;
}

} // namespace

HResult openAudio() {
    if (theOutput.openDevices > 0 || theOutput.silent) {
        ++theOutput.openDevices;
        return S_OK;
    }
    IDirectSound* device = nullptr;
    const HRESULT result = DirectSoundCreate(nullptr, &device, nullptr);
    if (FAILED(result)) {
        if (agreeToSilence(result)) {
            theOutput.silent = true;
            theOutput.openDevices = 1;
            return S_OK;
        }
        return result == DSERR_NODRIVER ? DSERR_NODRIVER : asResult(result);
    }
    theOutput.device.reset(device);
    theOutput.openDevices = 1;
    return S_OK;
}

void closeAudio() {
    if (theOutput.openDevices == 0 || --theOutput.openDevices > 0) {
        return;
    }
    theOutput.samples.clear();
    theOutput.primary.reset();
    theOutput.device.reset();
}

HResult audioStep(AudioStep step) {
    if (theOutput.silent) {
        return S_OK;
    }
    if (!theOutput.device) {
        return step == AudioStep::CreateDevice ? S_OK : DSERR_NODRIVER;
    }
    switch (step) {
    case AudioStep::CooperativeLevel:
        return asResult(
            theOutput.device->SetCooperativeLevel(win32::state().window, DSSCL_PRIORITY));
    case AudioStep::PrimaryBuffer: {
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = DSBCAPS_PRIMARYBUFFER;
        IDirectSoundBuffer* primary = nullptr;
        const HRESULT result = theOutput.device->CreateSoundBuffer(&description, &primary, nullptr);
        theOutput.primary.reset(primary);
        return asResult(result);
    }
    default:
        return S_OK;
    }
}

HResult setMixFormat(const WaveFormat& format) {
    if (theOutput.silent) {
        return S_OK;
    }
    if (!theOutput.primary) {
        return DSERR_INVALIDCALL;
    }
    const WAVEFORMATEX wanted = waveFormat(format);
    return asResult(theOutput.primary->SetFormat(&wanted));
}

HResult createVoice(Voice** voice) {
    auto made = std::unique_ptr<Voice>(new (std::nothrow) Voice);
    if (made == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    try {
        theOutput.voices.push_back(made.get());
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    *voice = made.release();
    return S_OK;
}

void destroyVoice(Voice* voice) {
    if (voice == nullptr) {
        return;
    }
    if (voice->buffer) {
        voice->buffer->Stop();
    }
    std::erase(theOutput.voices, voice);
    delete voice;
}

HResult takeSamples(SampleMemory& memory) {
    if (theOutput.silent) {
        return S_OK;
    }
    if (!theOutput.device) {
        return DSERR_NODRIVER;
    }
    Samples& samples = theOutput.samples[&memory];
    DSBCAPS caps{};
    caps.dwSize = sizeof caps;
    const bool fits = samples.buffer && SUCCEEDED(samples.buffer->GetCaps(&caps)) &&
                      caps.dwBufferBytes == memory.bytes.size() &&
                      std::memcmp(&samples.format, &memory.format, sizeof samples.format) == 0;
    if (!fits) {
        // Samples of a new size or format (or new samples at an old address) get a buffer of
        // their own.
        WAVEFORMATEX format = waveFormat(memory.format);
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = DSBCAPS_STATIC | DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_CTRLVOLUME;
        description.dwBufferBytes = static_cast<DWORD>(memory.bytes.size());
        description.lpwfxFormat = &format;
        IDirectSoundBuffer* buffer = nullptr;
        const HRESULT result = theOutput.device->CreateSoundBuffer(&description, &buffer, nullptr);
        if (FAILED(result)) {
            theOutput.samples.erase(&memory);
            return asResult(result);
        }
        samples.buffer.reset(buffer);
        samples.format = memory.format;
        samples.generation = ++theOutput.generations;
    }
    // Duplicates share the samples: whatever plays the old ones stops first.
    for (Voice* voice : theOutput.voices) {
        if (voice->memory == &memory && voice->buffer) {
            voice->buffer->Stop();
        }
    }
    return fill(samples.buffer.get(), memory.bytes);
}

bool voicePlaying(Voice* voice) {
    if (voice != nullptr && theOutput.silent) {
        const std::uint32_t elapsed = tickCount() - voice->silentStart;
        return voice->bytesPerSecond > 0 &&
               elapsed * voice->bytesPerSecond < voice->silentBytes * 1000;
    }
    return voice != nullptr && (statusOf(voice->buffer.get()) & DSBSTATUS_PLAYING) != 0;
}

bool voiceLost(Voice* voice) {
    return voice != nullptr && (statusOf(voice->buffer.get()) & DSBSTATUS_BUFFERLOST) != 0;
}

HResult restoreVoice(Voice* voice, SampleMemory& memory) {
    if (theOutput.silent) {
        return S_OK;
    }
    HRESULT result = voice->buffer->Restore();
    if (FAILED(result)) {
        return asResult(result);
    }
    const auto found = theOutput.samples.find(&memory);
    if (found == theOutput.samples.end() || !found->second.buffer) {
        return S_OK;
    }
    IDirectSoundBuffer* original = found->second.buffer.get();
    if ((statusOf(original) & DSBSTATUS_BUFFERLOST) != 0 && FAILED(result = original->Restore())) {
        return asResult(result);
    }
    return fill(original, memory.bytes);
}

HResult startVoice(Voice* voice, const SampleMemory& memory, std::uint32_t position) {
    if (theOutput.silent) {
        voice->silentStart = tickCount();
        voice->silentBytes =
            memory.bytes.size() - std::min<std::size_t>(position, memory.bytes.size());
        voice->bytesPerSecond = memory.format.averageBytesPerSecond;
        return S_OK;
    }
    const auto found = theOutput.samples.find(&memory);
    if (found == theOutput.samples.end() || !found->second.buffer) {
        return DSERR_INVALIDCALL; // nothing was ever written to it
    }
    const Samples& samples = found->second;
    if (!voice->buffer || voice->memory != &memory || voice->generation != samples.generation) {
        IDirectSoundBuffer* duplicate = nullptr;
        const HRESULT result =
            theOutput.device->DuplicateSoundBuffer(samples.buffer.get(), &duplicate);
        if (FAILED(result)) {
            return asResult(result);
        }
        voice->buffer.reset(duplicate);
        voice->memory = &memory;
        voice->generation = samples.generation;
        voice->buffer->SetVolume(theOutput.volume);
    }
    IDirectSoundBuffer* buffer = voice->buffer.get();
    if ((statusOf(buffer) & DSBSTATUS_PLAYING) != 0) {
        buffer->Stop();
    }
    HRESULT result = buffer->SetCurrentPosition(position);
    if (SUCCEEDED(result)) {
        result = buffer->Play(0, 0, 0);
    }
    return asResult(result);
}

} // namespace platform::backend

namespace platform {

void chooseSound(bool enabled, int volumePercent) {
    backend::theOutput.silent = !enabled;
    // Loudness in hundredths of a decibel: a tenth of the volume is 20 dB down.
    const int percent = std::clamp(volumePercent, 0, 100);
    backend::theOutput.volume =
        percent == 0 ? DSBVOLUME_MIN
                     : static_cast<LONG>(std::lround(2000.0 * std::log10(percent / 100.0)));
}

} // namespace platform
