// A started game on a map of the test's own with every figure parked far away, standing still,
// so that a test sets up only the figures and cells it looks at; and a cowboy's finished pen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/headless/headless.h"
#include "support/game_folder.h"
#include "support/headless_game.h"
#include "world/actor_kinds.h"
#include "world/game_random.h"

inline constexpr int ParkX = 1000;
inline constexpr int ParkY = 6000;

// Wandering in a heading that does not move, for good.
inline Actor& standStill(Actor& actor) {
    actor.heading = 8;
    actor.wanderTimer = 1'000'000'000;
    actor.fleeTimer = 0;
    return actor;
}

class World {
public:
    explicit World(const GameFolder& folder = GameFolder()) {
        folder.write();
        headless_ = std::make_unique<HeadlessGame>(folder.path());
        started_ = headless_->start();
        headless::advanceClock(1000); // the gust that ends set-up has died away
        for (const ActorTable& table : actorTables(game())) {
            for (int i = 0; i < table.count; ++i) {
                standStill(place(table.actors[i], ParkX, ParkY));
            }
        }
    }

    bool started() const { return started_; }
    Game& game() { return headless_->game(); }
    HeadlessGame& headless() { return *headless_; }

    // A figure in its site phase at (x, y), its site there too.
    Actor& place(Actor& actor, int x, int y, int step = 1) {
        actor = Actor{};
        actor.x = actor.siteX = x;
        actor.y = actor.siteY = y;
        actor.step = step;
        return actor;
    }

    void moveActors(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            game().updateActors(0, 0);
        }
    }
    void stepWorld(int cursorX = 480, int cursorY = 288) {
        game().updateWorld(cursorX, cursorY, {0, 0, 32, 32});
    }
    std::uint32_t plays(GameSound sound) { return game().soundPlays[static_cast<int>(sound)]; }

private:
    std::unique_ptr<HeadlessGame> headless_;
    bool started_ = false;
};

// A test of a started world.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.started()); }
    Game& game() { return world.game(); }

    World world;
};

// How many numbers the generator gave between two of its states.
inline int drawsBetween(std::uint32_t before, std::uint32_t after) {
    const std::uint32_t now = gameRandomState();
    setGameRandomState(before);
    int draws = 0;
    while (gameRandomState() != after && draws < 1'000'000) {
        gameRandom();
        ++draws;
    }
    setGameRandomState(now);
    return draws;
}

// A cowboy's finished pen as it stands on the map, row by row from its top-left cell, which
// lies six tiles left of the cowboy's site.
namespace pen {
inline constexpr int TL = Structure::Fence_TLCorner, TR = Structure::Fence_TRCorner,
                     BL = Structure::Fence_BLCorner, BR = Structure::Fence_BRCorner,
                     RL = Structure::Fence_RLSide, TB = Structure::Fence_TBSide,
                     no = Structure::Empty;
} // namespace pen
// clang-format off
inline constexpr int FinishedPen[6][6] = {
    {pen::TL, pen::TB, pen::TB, pen::TB, pen::TB, pen::TR},
    {pen::RL, pen::no, pen::no, pen::no, pen::no, pen::RL},
    {pen::RL, pen::no, pen::no, pen::no, pen::no, pen::RL},
    {pen::RL, pen::no, pen::no, pen::no, pen::no, pen::RL},
    {pen::RL, pen::no, pen::no, pen::no, pen::no, pen::RL},
    {pen::BL, pen::TB, pen::TB, pen::TB, pen::TB, pen::BR},
};
// clang-format on

// The world point of a pen cell for a cowboy whose site is (siteX, siteY).
inline int penCellX(int siteX, int column) {
    return siteX - 192 + 32 * column;
}
inline int penCellY(int siteY, int row) {
    return siteY + 32 * row;
}

inline void putUpPen(Game& game, int siteX, int siteY) {
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            game.setStructureAt(penCellX(siteX, column), penCellY(siteY, row),
                                FinishedPen[row][column]);
        }
    }
}
