// The game's random numbers: a linear congruential generator, state * 214013 + 2531011,
// top 15 bits out.
#include "world/game_random.h"

namespace {
std::uint32_t randomState = 1;
}

int gameRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}

std::uint32_t gameRandomState() {
    return randomState;
}

void setGameRandomState(std::uint32_t state) {
    randomState = state;
}
