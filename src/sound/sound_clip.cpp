// Silent stand-in for a sound clip.
#include "sound/sound_clip.h"

SoundClip::SoundClip() = default;
SoundClip::~SoundClip() = default;

HResult SoundClip::play(std::uint32_t /*priority*/) {
    return S_OK;
}
