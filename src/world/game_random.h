// The one pseudo-random generator of the whole game. Everything random (placement, respawns,
// sites, headings, pen releases, the wind's chance, the sound clips' buffer choice) draws from
// it in a fixed order, so every run unfolds from the same sequence.
#pragma once

#include <cstdint>

// The next number, 0 to 32767.
int gameRandom();

// The generator's 32-bit state: 1 when the process starts, never re-seeded by the game.
std::uint32_t gameRandomState();

// For tests and replays that need to start the sequence afresh.
void setGameRandomState(std::uint32_t state);
