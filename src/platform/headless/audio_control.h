// The scripted back end's sound controls, for tests: results injected into the output's steps,
// lost buffers on demand, and what each buffer did on the fake clock.
//
// A buffer started at tick t plays while the clock is below t + its bytes x 1000 / the format's
// average bytes per second, to the fraction of a millisecond, so a clip played again while it
// still sounds behaves as on a real machine.
#pragma once

#include <cstdint>

#include "platform/audio.h"
#include "platform/audio_backend.h"

namespace headless {

// Back to a quiet machine: no injected results, no refused restores (open devices stay).
void resetAudio();

// The next attempt of the step gives this result: a failure, or a success code such as
// DS_NO_VIRTUALIZATION that the step passes on.
void setAudioResult(platform::backend::AudioStep step, HResult result);

// The buffer reports its memory lost (and stops) until it is restored.
void loseSoundBuffer(platform::SoundBuffer* buffer);
// The next count restores answer DSERR_BUFFERLOST.
void refuseSoundRestores(int count);

struct SoundBufferReport {
    bool playing = false;
    bool lost = false;
    int starts = 0;                  // plays that started the buffer from idle
    int restarts = 0;                // jumps of a playing buffer to a new position
    std::uint32_t startTick = 0;     // when it last started or jumped
    std::uint32_t startPosition = 0; // from where
};
SoundBufferReport soundBufferReport(const platform::SoundBuffer* buffer);

// Devices open now, and voices alive (one for each buffer that is not a primary buffer).
int openAudioDevices();
int liveSoundBuffers();

// The mixer's format as last set; all zeros until a primary format was accepted.
platform::WaveFormat mixFormat();

} // namespace headless
