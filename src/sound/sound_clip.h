// One wave file loaded into sound buffers, played once through on the game's events.
#pragma once

#include <cstdint>

#include "platform/result.h"

class SoundClip {
public:
    SoundClip();
    virtual ~SoundClip();
    SoundClip(const SoundClip&) = delete;
    SoundClip& operator=(const SoundClip&) = delete;

    HResult play(std::uint32_t priority);
};
