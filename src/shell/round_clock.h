// The round clock: 200 seconds of play, counted from the tick the round started at and held
// while the menu is shown.
#pragma once

#include <cstdint>

inline constexpr int RoundSeconds = 200;

// Whole seconds since the round started, or -1 while lastTick still lies before the start
// (the first frame after set-up or after a new game).
std::int64_t elapsedSeconds(std::uint32_t lastTick, std::uint32_t roundStartTick);

// Whether the round's time has run out: in the first frame that finds 200 seconds or more,
// even when no frame fell within the 200th second itself.
bool roundTimeIsUp(std::uint32_t lastTick, std::uint32_t roundStartTick);
