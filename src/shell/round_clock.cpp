// Counting the round's seconds in the 32-bit tick count, which wraps.
#include "shell/round_clock.h"

#include <algorithm>

#include "shell/game.h"

std::int64_t elapsedSeconds(std::uint32_t lastTick, std::uint32_t roundStartTick) {
    const auto elapsed = static_cast<std::int32_t>(lastTick - roundStartTick);
    return elapsed < 0 ? -1 : elapsed / 1000;
}

bool roundTimeIsUp(std::uint32_t lastTick, std::uint32_t roundStartTick) {
    return elapsedSeconds(lastTick, roundStartTick) >= RoundSeconds;
}

std::int32_t Game::secondsLeft() const {
    const std::int64_t elapsed = elapsedSeconds(lastTick, roundStartTick);
    if (elapsed < 0) {
        return RoundSeconds;
    }
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, RoundSeconds - elapsed));
}
