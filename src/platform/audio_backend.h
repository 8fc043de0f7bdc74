// What each back end adds to the sound output: opening and closing the output, its say in each
// set-up step, the mixer's format, and one voice for each buffer that plays its samples. The
// buffers' bookkeeping is plain memory and lives in audio.cpp, the same on every back end.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/audio.h"
#include "platform/result.h"

namespace platform::backend {

enum class AudioStep {
    CreateDevice,
    CooperativeLevel,
    PrimaryBuffer,
    PrimaryFormat,
    CreateBuffer,
    DuplicateBuffer,
};

// The samples of one buffer, shared by its duplicates.
struct SampleMemory {
    WaveFormat format;
    std::vector<std::uint8_t> bytes; // as the game wrote them
    std::vector<std::uint8_t> mixed; // the back end's own copy, in its mixer's format
};

struct Voice; // the back end's player of one buffer

// Opens the output (a second device shares it); DSERR_NODRIVER when there is none.
HResult openAudio();
void closeAudio();

// The back end's part of a step: S_OK, a success code to pass on, or a failure.
HResult audioStep(AudioStep step);

// The mixer's output format.
HResult setMixFormat(const WaveFormat& format);

HResult createVoice(Voice** voice);
// Stops the voice and forgets it.
void destroyVoice(Voice* voice);

// The samples were written: the back end takes its copy, stopping any voice playing the old one.
HResult takeSamples(SampleMemory& memory);

bool voicePlaying(Voice* voice);
bool voiceLost(Voice* voice);
// Gives the voice its memory back; DSERR_BUFFERLOST while the output holds on to it.
HResult restoreVoice(Voice* voice, SampleMemory& memory);
// Starts (or, when it plays, restarts) the voice at the byte position of the samples.
HResult startVoice(Voice* voice, const SampleMemory& memory, std::uint32_t position);

} // namespace platform::backend

namespace platform {
// The voice playing a buffer, for the back end's controls.
backend::Voice* voiceOf(const SoundBuffer* buffer);
} // namespace platform
