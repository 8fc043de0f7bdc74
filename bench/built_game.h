// The game the drawing benchmarks measure: started on the game folder the build lays out, with
// every picture and the generated map, so that a frame costs what it costs a player.
#pragma once

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "shell/game.h"
#include "support/headless_game.h"

class BuiltGame {
public:
    // Starts the game on the built game folder: the working directory when it holds the game's
    // data (run the benchmarks from build/game), else the game folder beside this program.
    BuiltGame();

    // False when no folder holds the whole data or the game did not start.
    bool ready() const { return problem_.empty(); }
    // The same, and when false the benchmark refuses to run, saying why.
    bool ready(benchmark::State& state) const;
    Game& game() { return headless_->game(); }

private:
    std::unique_ptr<HeadlessGame> headless_;
    std::string problem_;
};
