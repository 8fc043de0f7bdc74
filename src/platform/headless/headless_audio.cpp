// The scripted back end's sound output: nothing is heard, but every buffer plays for exactly
// as long as its sound lasts on the fake clock, and can be made to lose its memory.
#include <algorithm>
#include <map>
#include <new>

#include "platform/audio_backend.h"
#include "platform/headless/audio_control.h"
#include "platform/headless/headless_state.h"
#include "platform/system.h"

namespace platform::backend {

struct Voice {
    bool started = false;
    bool lost = false;
    std::uint32_t startTick = 0;
    std::uint64_t bytes = 0;          // from the start position to the end of the sound
    std::uint64_t bytesPerSecond = 1; // never 0: the format check asks for at least 100
    int starts = 0;
    int restarts = 0;
    std::uint32_t startPosition = 0;
};

} // namespace platform::backend

namespace {

using platform::backend::AudioStep;
using platform::backend::Voice;

struct AudioState {
    int openDevices = 0;
    int liveVoices = 0;
    std::map<AudioStep, HResult> results;
    int refusedRestores = 0;
    platform::WaveFormat mixFormat;
};

AudioState& audio() {
    static AudioState theState;
    return theState;
}

// The bytes a restored buffer holds until the game loads its sound again.
constexpr std::uint8_t RestoredGarbage = 0xCD;

} // namespace

namespace platform::backend {

HResult openAudio() {
    ++audio().openDevices;
    return S_OK;
}

void closeAudio() {
    audio().openDevices = std::max(0, audio().openDevices - 1);
}

HResult audioStep(AudioStep step) {
    return headless::takeInjectedResult(audio().results, step);
}

HResult setMixFormat(const WaveFormat& format) {
    audio().mixFormat = format;
    return S_OK;
}

HResult createVoice(Voice** voice) {
    *voice = new (std::nothrow) Voice;
    if (*voice == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    ++audio().liveVoices;
    return S_OK;
}

void destroyVoice(Voice* voice) {
    if (voice != nullptr) {
        --audio().liveVoices;
        delete voice;
    }
}

HResult takeSamples(SampleMemory& /*memory*/) {
    return S_OK;
}

// A buffer sounds while the time since its start, in exact fractions of a millisecond, is
// below its length: elapsed x bytes per second < bytes x 1000, in whole numbers. The elapsed
// time is taken on the 32-bit clock, so a sound that spans the clock's wrap goes on sounding.
bool voicePlaying(Voice* voice) {
    if (voice == nullptr || !voice->started || voice->lost) {
        return false;
    }
    const std::uint64_t elapsed = platform::tickCount() - voice->startTick;
    return elapsed * voice->bytesPerSecond < voice->bytes * 1000;
}

bool voiceLost(Voice* voice) {
    return voice != nullptr && voice->lost;
}

HResult restoreVoice(Voice* voice, SampleMemory& memory) {
    if (audio().refusedRestores > 0) {
        --audio().refusedRestores;
        return DSERR_BUFFERLOST;
    }
    voice->lost = false;
    std::fill(memory.bytes.begin(), memory.bytes.end(), RestoredGarbage);
    return S_OK;
}

HResult startVoice(Voice* voice, const SampleMemory& memory, std::uint32_t position) {
    if (voicePlaying(voice)) {
        ++voice->restarts;
    } else {
        ++voice->starts;
    }
    voice->started = true;
    voice->startTick = platform::tickCount();
    voice->startPosition = position;
    voice->bytes = memory.bytes.size() - std::min<std::size_t>(position, memory.bytes.size());
    voice->bytesPerSecond = std::max<std::uint64_t>(1, memory.format.averageBytesPerSecond);
    return S_OK;
}

} // namespace platform::backend

namespace headless {

void resetAudio() {
    const int openDevices = audio().openDevices;
    const int liveVoices = audio().liveVoices;
    audio() = AudioState{};
    audio().openDevices = openDevices;
    audio().liveVoices = liveVoices;
}

void setAudioResult(AudioStep step, HResult result) {
    audio().results[step] = result;
}

void loseSoundBuffer(platform::SoundBuffer* buffer) {
    if (Voice* voice = platform::voiceOf(buffer)) {
        voice->lost = true;
        voice->started = false;
    }
}

void refuseSoundRestores(int count) {
    audio().refusedRestores = count;
}

SoundBufferReport soundBufferReport(const platform::SoundBuffer* buffer) {
    SoundBufferReport report;
    if (Voice* voice = platform::voiceOf(buffer)) {
        report.playing = platform::backend::voicePlaying(voice);
        report.lost = voice->lost;
        report.starts = voice->starts;
        report.restarts = voice->restarts;
        report.startTick = voice->startTick;
        report.startPosition = voice->startPosition;
    }
    return report;
}

int openAudioDevices() {
    return audio().openDevices;
}
int liveSoundBuffers() {
    return audio().liveVoices;
}
platform::WaveFormat mixFormat() {
    return audio().mixFormat;
}

} // namespace headless
