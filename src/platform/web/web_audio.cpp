// The sound output in the browser: WebAudio, one AudioBuffer for each sound's samples, made
// when it first plays and shared by the buffers that share the samples. Whether a buffer still
// plays is judged on the game's clock from the length of its sound, exactly, so that a sound played
// again while it still sounds takes the same random draw as on the other back ends, even while the
// browser holds the sound back.
#include <algorithm>
#include <cstring>
#include <emscripten.h>
#include <new>

#include "platform/audio_backend.h"
#include "platform/system.h"
#include "platform/web/web_state.h"

namespace platform::backend {

struct Voice {
    int slot = 0; // the page's player of this voice
    bool started = false;
    std::uint32_t startTick = 0;
    std::uint64_t bytes = 0; // what is left of the samples from where it started
    std::uint32_t bytesPerSecond = 0;
};

} // namespace platform::backend

namespace {

using platform::backend::SampleMemory;
using platform::backend::Voice;

int openDevices = 0;
int nextSlot = 1;

// The page's sound output. Until the player has clicked the page, the browser keeps it
// suspended, and sounds due then are not saved up for later.
EM_JS(int, hasAudioOutput, (), {
    return (typeof AudioContext != "undefined" || typeof webkitAudioContext != "undefined") ? 1 : 0;
});

EM_JS(void, stopSlot, (int slot), {
    var players = Module.soundPlayers || (Module.soundPlayers = {});
    var player = players[slot];
    if (player) {
        delete players[slot];
        try {
            player.stop();
        } catch (e) {
        }
    }
});

// The page's copies of the samples are known by where the samples lie; new samples there
// replace the copy.
EM_JS(void, forgetSamples, (const float* samples), {
    if (Module.soundBuffers) {
        Module.soundBuffers.delete(samples);
    }
});

EM_JS(void, forgetAllSamples, (), { Module.soundBuffers = new Map(); });

// Plays the samples (one channel after the other) from the first frame on, at the volume (a
// percentage).
EM_JS(void, playSlot,
      (int slot, const float* samples, int channels, int frames, int rate, int firstFrame,
       int volume),
      {
          var players = Module.soundPlayers || (Module.soundPlayers = {});
          var buffers = Module.soundBuffers || (Module.soundBuffers = new Map());
          var context = Module.audioContext;
          if (!context || context.state != "running" || firstFrame >= frames || volume <= 0) {
              return;
          }
          var buffer = buffers.get(samples);
          if (!buffer) {
              // Rates the page cannot play (below 3000 Hz) stay silent.
              try {
                  buffer = context.createBuffer(channels, frames, rate);
              } catch (e) {
                  return;
              }
              for (var c = 0; c < channels; c++) {
                  var start = (samples >> 2) + c * frames;
                  buffer.copyToChannel(HEAPF32.subarray(start, start + frames), c);
              }
              buffers.set(samples, buffer);
          }
          var player = context.createBufferSource();
          player.buffer = buffer;
          if (volume < 100) {
              var gain = context.createGain();
              gain.gain.value = volume / 100;
              player.connect(gain);
              gain.connect(context.destination);
          } else {
              player.connect(context.destination);
          }
          player.onended = function() {
              if (players[slot] == player) {
                  delete players[slot];
              }
          };
          players[slot] = player;
          player.start(0, firstFrame / rate);
      });

// One sample as the page plays it, -1 to 1.
float sampleAt(const SampleMemory& memory, std::size_t frame, int channel) {
    const auto& format = memory.format;
    const std::size_t at =
        frame * format.blockAlign + static_cast<std::size_t>(channel) * (format.bitsPerSample / 8);
    if (format.bitsPerSample == 8) {
        return (static_cast<int>(memory.bytes[at]) - 128) / 128.0f;
    }
    const auto low = memory.bytes[at];
    const auto high = memory.bytes[at + 1];
    return static_cast<std::int16_t>(low | (high << 8)) / 32768.0f;
}

} // namespace

namespace platform::backend {

HResult openAudio() {
    if (openDevices == 0 && hasAudioOutput() == 0) {
        return DSERR_NODRIVER;
    }
    ++openDevices;
    return S_OK;
}

void closeAudio() {
    openDevices = std::max(0, openDevices - 1);
    if (openDevices == 0) {
        forgetAllSamples();
    }
}

HResult audioStep(AudioStep /*step*/) {
    return S_OK;
}

// The page's output resamples whatever it is given.
HResult setMixFormat(const WaveFormat& /*format*/) {
    return S_OK;
}

HResult createVoice(Voice** voice) {
    *voice = new (std::nothrow) Voice;
    if (*voice == nullptr) {
        return DSERR_OUTOFMEMORY;
    }
    (*voice)->slot = nextSlot++;
    return S_OK;
}

void destroyVoice(Voice* voice) {
    if (voice != nullptr) {
        stopSlot(voice->slot);
        delete voice;
    }
}

// The samples as the page takes them: floats, one channel after the other.
HResult takeSamples(SampleMemory& memory) {
    const WaveFormat& format = memory.format;
    memory.mixed.clear();
    if (format.channels == 0 || format.blockAlign == 0) {
        return DSERR_BADFORMAT;
    }
    // Whole sample frames only; a stray byte at the end is not heard.
    const std::size_t frames = memory.bytes.size() / format.blockAlign;
    std::vector<float> samples;
    try {
        samples.resize(frames * format.channels);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    for (int channel = 0; channel < format.channels; ++channel) {
        for (std::size_t frame = 0; frame < frames; ++frame) {
            samples[channel * frames + frame] = sampleAt(memory, frame, channel);
        }
    }
    try {
        memory.mixed.resize(samples.size() * sizeof(float));
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    std::memcpy(memory.mixed.data(), samples.data(), memory.mixed.size());
    forgetSamples(reinterpret_cast<const float*>(memory.mixed.data()));
    return S_OK;
}

// It plays while fewer than its bytes have passed at the format's rate: an exact comparison,
// so that a sound of 699.95 ms still plays 699 ms after its start.
bool voicePlaying(Voice* voice) {
    if (voice == nullptr || !voice->started) {
        return false;
    }
    const std::uint64_t elapsed = static_cast<std::uint32_t>(tickCount() - voice->startTick);
    return elapsed * voice->bytesPerSecond < voice->bytes * 1000;
}

// The page keeps no sound memory of its own that the browser could take away.
bool voiceLost(Voice* /*voice*/) {
    return false;
}

HResult restoreVoice(Voice* /*voice*/, SampleMemory& /*memory*/) {
    return S_OK;
}

HResult startVoice(Voice* voice, const SampleMemory& memory, std::uint32_t position) {
    stopSlot(voice->slot);
    const WaveFormat& format = memory.format;
    voice->started = true;
    voice->startTick = tickCount();
    voice->bytes = memory.bytes.size() - std::min<std::size_t>(position, memory.bytes.size());
    voice->bytesPerSecond = format.averageBytesPerSecond;
    if (format.blockAlign == 0 || format.channels == 0 || memory.mixed.empty()) {
        return S_OK;
    }
    const std::size_t frames = memory.mixed.size() / sizeof(float) / format.channels;
    playSlot(voice->slot, reinterpret_cast<const float*>(memory.mixed.data()), format.channels,
             static_cast<int>(frames), static_cast<int>(format.samplesPerSecond),
             static_cast<int>(std::min<std::size_t>(position / format.blockAlign, frames)),
             web::state().volumePercent);
    return S_OK;
}

} // namespace platform::backend
