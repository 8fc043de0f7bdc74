// The seven sounds of the game, synthesised: the wind, the crash of a wrecked building, the
// splat of a landing, and the call of each kind of figure.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace datagen {

struct Sound {
    std::string file; // e.g. "Data/Wind.wav"
    int bits;         // 8 or 16 bits a sample
    std::function<std::vector<double>()> synthesise;
};

const std::vector<Sound>& gameSounds();

} // namespace datagen
