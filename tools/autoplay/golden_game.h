// The game the golden replay pins: what the code player does, phase by phase.
#pragma once

#include <ostream>

#include "autoplay/autoplayer.h"

// Plays the whole golden game and tells, on the log, at which frame each phase ended.
void playGoldenGame(AutoPlayer& player, std::ostream& log);
