// A player that pokes at everything at random, and now and then goes through a whole throw
// over six frames: keys, mouse, buttons, the menu (resume or a new game, never quit), the
// window put away and back, and lost surfaces, all through the scripted back end. The soak
// test and the soak run play with it.
#pragma once

#include <cstdint>
#include <random>

#include "shell/game.h"

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed = 20240607) : random_(seed) {}

    // The input of one frame; returns the frame's length in milliseconds.
    std::uint32_t play(const Game& game);

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    // The mouse to somewhere in the box, edges included.
    void pointAt(int left, int right, int top, int bottom);

    std::mt19937 random_;
    int throwStep_ = 0;
    bool pointing_ = false;
};
