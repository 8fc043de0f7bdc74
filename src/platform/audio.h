// The sound output as the game sees it: one device, the mixer's primary format, and static
// buffers that each hold one sound and play it once through.
//
// Every call returns a result; sound counts only negative results as failure. Buffers belong to
// the device that made them and go when it is released.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/result.h"
#include "platform/window.h"

namespace platform {

// A sample format in the 18-byte layout wave files carry: the 16 bytes of a "fmt "
// body, then the count of extra format bytes, which follow the record when there are any.
#pragma pack(push, 1)
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};
#pragma pack(pop)
static_assert(sizeof(WaveFormat) == 18);

inline constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

// Chooses a buffer's 3-D processing; all zeros is the platform's plain default.
struct AlgorithmId {
    std::uint8_t bytes[16] = {};
};

// Co-operative levels.
inline constexpr std::uint32_t DSSCL_NORMAL = 1;
inline constexpr std::uint32_t DSSCL_PRIORITY = 2;

// Buffer creation flag: the mixer's own (primary) buffer, which has a format but no samples.
inline constexpr std::uint32_t DSBCAPS_PRIMARYBUFFER = 1;

// Buffer status bits.
inline constexpr std::uint32_t DSBSTATUS_PLAYING = 1;
inline constexpr std::uint32_t DSBSTATUS_BUFFERLOST = 2;

// Size limits of a sample buffer, in bytes.
inline constexpr std::uint32_t DSBSIZE_MIN = 4;
inline constexpr std::uint32_t DSBSIZE_MAX = 0x0FFFFFFF;

// Failures of the sound output.
inline constexpr HResult DSERR_INVALIDPARAM = E_INVALIDARG;
inline constexpr HResult DSERR_INVALIDCALL = static_cast<HResult>(0x88780032u);
inline constexpr HResult DSERR_PRIOLEVELNEEDED = static_cast<HResult>(0x88780046u);
inline constexpr HResult DSERR_BADFORMAT = static_cast<HResult>(0x88780064u);
inline constexpr HResult DSERR_NODRIVER = static_cast<HResult>(0x88780078u);
inline constexpr HResult DSERR_OUTOFMEMORY = E_OUTOFMEMORY;

struct BufferDescription {
    std::uint32_t flags = 0;
    std::uint32_t bufferBytes = 0;
    const WaveFormat* format = nullptr; // null for the primary buffer
    AlgorithmId algorithm;
};

struct AudioDevice;
struct SoundBuffer;

// Opens the default sound output; DSERR_NODRIVER when the machine has none.
HResult createAudioDevice(AudioDevice** device);
// Closes the output and gives back every buffer made from it.
void releaseAudioDevice(AudioDevice* device);
// Releases the device, with every buffer made from it, when its owner lets it go.
struct AudioDeviceRelease {
    void operator()(AudioDevice* device) const { releaseAudioDevice(device); }
};
using AudioDevicePointer = std::unique_ptr<AudioDevice, AudioDeviceRelease>;

HResult setCooperativeLevel(AudioDevice* device, Window* window, std::uint32_t level);

// A primary buffer, or a static buffer of bufferBytes zero bytes in a 1- or 2-channel, 8- or
// 16-bit PCM format. A duplicate shares its original's samples.
HResult createSoundBuffer(AudioDevice* device, const BufferDescription& description,
                          SoundBuffer** buffer);
HResult duplicateSoundBuffer(AudioDevice* device, SoundBuffer* original, SoundBuffer** duplicate);
// Gives one buffer back before its device goes.
void releaseSoundBuffer(SoundBuffer* buffer);

// The mixer's format, set through the primary buffer; needs the priority level.
HResult setFormat(SoundBuffer* primary, const WaveFormat& format);

// The samples from offset on, for writing; the sound takes them when they are unlocked.
HResult lockBuffer(SoundBuffer* buffer, std::uint32_t offset, std::uint32_t bytes, void** region,
                   std::uint32_t* regionBytes);
HResult unlockBuffer(SoundBuffer* buffer, void* region, std::uint32_t regionBytes);

// DSBSTATUS_PLAYING and DSBSTATUS_BUFFERLOST bits.
HResult getStatus(SoundBuffer* buffer, std::uint32_t* status);
// Gives a lost buffer its memory back (with its samples undefined); DSERR_BUFFERLOST while
// the output still holds on to it.
HResult restoreBuffer(SoundBuffer* buffer);
// Where the next play starts, in bytes; a playing buffer jumps there at once.
HResult setCurrentPosition(SoundBuffer* buffer, std::uint32_t position);
// Plays once through from the current position; a playing buffer just goes on. A buffer that
// played to its end stands at its start again.
HResult playBuffer(SoundBuffer* buffer, std::uint32_t priority);

} // namespace platform
