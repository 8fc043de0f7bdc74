// The sound output on SDL2_mixer: one mixer channel for each buffer, and the samples converted
// once to the mixer's format when the game has written them, so that a play only starts a
// channel. A buffer counts as playing for exactly as long as its sound lasts on the game's
// clock, as on the scripted back end, so that the sounds' random draws come out the same in a
// demo, and when the player chose no sound at all and nothing is mixed.
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "platform/audio_backend.h"
#include "platform/sdl/sdl_state.h"
#include "platform/session.h"
#include "platform/system.h"

namespace platform::backend {

struct Voice {
    int channel = -1; // none without sound
    std::uint32_t startTick = 0;
    std::uint32_t durationMs = 0;
    bool started = false;
    Mix_Chunk chunk{};                    // the stretch of samples the channel plays
    const SampleMemory* memory = nullptr; // the samples it was last started with
};

namespace {

// The mixer starts in the format the game asks for anyway: 22050 Hz, 16-bit stereo. A mixer
// buffer of 1024 frames keeps a sound within about 50 ms of its event.
constexpr int StartFrequency = 22050;
constexpr int StartChannels = 2;
constexpr int ChunkFrames = 1024;

struct MixerState {
    bool silent = false; // the player chose no sound: nothing opens, every sound keeps its time
    int volume = MIX_MAX_VOLUME;
    int openDevices = 0;
    std::vector<Voice*> channels; // by mixer channel, null where free
};

MixerState& mixer() {
    static MixerState theState;
    return theState;
}

struct MixerSpec {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;

    std::size_t frameBytes() const {
        return static_cast<std::size_t>(SDL_AUDIO_BITSIZE(format) / 8) *
               static_cast<std::size_t>(channels);
    }
};

bool querySpec(MixerSpec& spec) {
    return Mix_QuerySpec(&spec.frequency, &spec.format, &spec.channels) != 0 &&
           spec.frameBytes() > 0;
}

SDL_AudioFormat sampleFormat(const WaveFormat& format) {
    return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

void reportError(const char* what) {
    std::fprintf(stderr, "SDL audio: %s: %s\n", what, SDL_GetError());
}

// Stops every channel that plays these samples, before they change.
void haltVoicesOf(const SampleMemory& memory) {
    for (Voice* voice : mixer().channels) {
        if (voice != nullptr && voice->memory == &memory) {
            Mix_HaltChannel(voice->channel);
            voice->memory = nullptr;
        }
    }
}

bool openOutput() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportError("no sound output");
        return false;
    }
    if (Mix_OpenAudio(StartFrequency, AUDIO_S16SYS, StartChannels, ChunkFrames) != 0) {
        reportError("the sound output does not open");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// Asks the player whether to play without sound: true to play on silently, and then, when
// the player chose so, the choice is kept in the settings.
bool offerSilence() {
    enum { Quit, Once, Always };
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, Once, "Play without sound"},
        {0, Always, "Always play without sound"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, Quit, "Quit"},
    };
    const int chosen = sdl::showBox(
        SDL_MESSAGEBOX_WARNING, "Kestravan - No sound",
        "DirectSound Initialize FAILED\n\nNo sound output could be opened on this machine.\n"
        "The game plays exactly as usual without one, only silently.",
        buttons, 3);
    if (chosen == Quit) {
        sdl::state().boxAnswered = true;
    }
    if (chosen == Always && sdl::state().silenceListener) {
        sdl::state().silenceListener();
    }
    return chosen == Once || chosen == Always;
}

} // namespace

HResult openAudio() {
    auto& state = mixer();
    if (state.openDevices > 0 || state.silent) {
        ++state.openDevices;
        return S_OK;
    }
    if (!openOutput()) {
        if (!offerSilence()) {
            std::fputs("kestravan: to play without sound, start the game with --no-sound\n",
                       stderr);
            return DSERR_NODRIVER;
        }
        std::fputs("kestravan: playing without sound\n", stderr);
        state.silent = true;
    }
    state.openDevices = 1;
    return S_OK;
}

void closeAudio() {
    auto& state = mixer();
    if (state.openDevices == 0 || --state.openDevices > 0 || state.silent) {
        return;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

HResult audioStep(AudioStep /*step*/) {
    return S_OK;
}

HResult setMixFormat(const WaveFormat& format) {
    if (mixer().silent) {
        return S_OK;
    }
    MixerSpec now;
    if (!querySpec(now)) {
        return DSERR_NODRIVER;
    }
    const Uint16 wanted = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    if (now.frequency == static_cast<int>(format.samplesPerSecond) && now.format == wanted &&
        now.channels == format.channels) {
        return S_OK;
    }
    // Samples already converted for the present format would play wrongly in another.
    if (std::any_of(mixer().channels.begin(), mixer().channels.end(),
                    [](const Voice* voice) { return voice != nullptr; })) {
        return DSERR_INVALIDCALL;
    }
    Mix_CloseAudio();
    if (Mix_OpenAudio(static_cast<int>(format.samplesPerSecond), wanted, format.channels,
                      ChunkFrames) == 0) {
        return S_OK;
    }
    reportError("the sound output refuses the format");
    if (Mix_OpenAudio(now.frequency, now.format, now.channels, ChunkFrames) != 0) {
        reportError("the sound output does not open again");
    }
    return DSERR_BADFORMAT;
}

HResult createVoice(Voice** voice) {
    if (mixer().silent) {
        *voice = new (std::nothrow) Voice;
        return *voice != nullptr ? S_OK : DSERR_OUTOFMEMORY;
    }
    auto& channels = mixer().channels;
    const auto free = std::find(channels.begin(), channels.end(), nullptr);
    const int channel = static_cast<int>(free - channels.begin());
    // Only a few mixer channels exist until more are asked for.
    const int allocated = Mix_AllocateChannels(-1);
    if (channel >= allocated &&
        Mix_AllocateChannels(std::max({channel + 1, allocated * 2, 8})) <= channel) {
        return DSERR_OUTOFMEMORY;
    }
    auto* made = new (std::nothrow) Voice;
    if (made == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    made->channel = channel;
    try {
        if (free == channels.end()) {
            channels.push_back(made);
        } else {
            *free = made;
        }
    } catch (const std::bad_alloc&) {
        delete made;
        return DSERR_OUTOFMEMORY;
    }
    *voice = made;
    return S_OK;
}

void destroyVoice(Voice* voice) {
    if (voice == nullptr) {
        return;
    }
    if (voice->channel >= 0) {
        Mix_HaltChannel(voice->channel);
        mixer().channels[static_cast<std::size_t>(voice->channel)] = nullptr;
    }
    delete voice;
}

HResult takeSamples(SampleMemory& memory) {
    if (mixer().silent) {
        return S_OK;
    }
    haltVoicesOf(memory);
    memory.mixed.clear();
    MixerSpec spec;
    if (!querySpec(spec)) {
        return DSERR_NODRIVER;
    }
    const WaveFormat& format = memory.format;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, sampleFormat(format), static_cast<Uint8>(format.channels),
                          static_cast<int>(format.samplesPerSecond), spec.format,
                          static_cast<Uint8>(spec.channels), spec.frequency) < 0) {
        reportError("no conversion to the mixer's format");
        return DSERR_BADFORMAT;
    }
    // Whole sample frames only; a stray byte at the end is not heard.
    const std::size_t usable = memory.bytes.size() / format.blockAlign * format.blockAlign;
    const std::size_t room = usable * static_cast<std::size_t>(std::max(cvt.len_mult, 1));
    if (room > static_cast<std::size_t>(INT_MAX)) {
        return DSERR_OUTOFMEMORY;
    }
    std::vector<std::uint8_t> converted;
    try {
        converted.resize(room);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    std::copy_n(memory.bytes.begin(), usable, converted.begin());
    std::size_t length = usable;
    if (cvt.needed != 0 && usable > 0) {
        cvt.buf = converted.data();
        cvt.len = static_cast<int>(usable);
        if (SDL_ConvertAudio(&cvt) != 0) {
            reportError("conversion to the mixer's format failed");
            return E_FAIL;
        }
        length = static_cast<std::size_t>(cvt.len_cvt);
    }
    converted.resize(length / spec.frameBytes() * spec.frameBytes());
    converted.shrink_to_fit();
    memory.mixed.swap(converted);
    return S_OK;
}

bool voicePlaying(Voice* voice) {
    return voice != nullptr && voice->started &&
           platform::tickCount() - voice->startTick < voice->durationMs;
}

// SDL keeps the samples in our own memory, which is never taken away.
bool voiceLost(Voice* /*voice*/) {
    return false;
}

HResult restoreVoice(Voice* /*voice*/, SampleMemory& /*memory*/) {
    return S_OK;
}

HResult startVoice(Voice* voice, const SampleMemory& memory, std::uint32_t position) {
    const std::uint64_t bytes =
        memory.bytes.size() - std::min<std::size_t>(position, memory.bytes.size());
    voice->started = true;
    voice->startTick = platform::tickCount();
    voice->durationMs =
        memory.format.averageBytesPerSecond == 0
            ? 0
            : static_cast<std::uint32_t>(bytes * 1000 / memory.format.averageBytesPerSecond);
    if (mixer().silent) {
        return S_OK;
    }
    if (Mix_Playing(voice->channel) != 0) {
        Mix_HaltChannel(voice->channel);
    }
    voice->memory = &memory;
    MixerSpec spec;
    if (!querySpec(spec)) {
        return DSERR_NODRIVER;
    }
    // The same moment of the sound in the converted samples.
    const std::size_t frameBytes = spec.frameBytes();
    const std::size_t sourceFrames = memory.bytes.size() / memory.format.blockAlign;
    const std::size_t mixedFrames = memory.mixed.size() / frameBytes;
    const std::size_t firstFrame =
        sourceFrames == 0 ? 0 : position / memory.format.blockAlign * mixedFrames / sourceFrames;
    if (firstFrame >= mixedFrames) {
        return S_OK;
    }
    voice->chunk.allocated = 0;
    voice->chunk.abuf = const_cast<Uint8*>(memory.mixed.data()) + firstFrame * frameBytes;
    voice->chunk.alen = static_cast<Uint32>((mixedFrames - firstFrame) * frameBytes);
    voice->chunk.volume = static_cast<Uint8>(mixer().volume);
    if (Mix_PlayChannel(voice->channel, &voice->chunk, 0) < 0) {
        reportError("a sound does not start");
        return E_FAIL;
    }
    return S_OK;
}

} // namespace platform::backend

namespace platform {

void chooseSound(bool enabled, int volumePercent) {
    auto& state = backend::mixer();
    state.silent = !enabled;
    state.volume = std::clamp(volumePercent, 0, 100) * MIX_MAX_VOLUME / 100;
}

} // namespace platform
