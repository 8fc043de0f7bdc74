// A started game on a map of the test's own, with every figure parked far away and standing
// still, so that a test sets up only the figures and cells it looks at.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/headless/headless.h"
#include "shell/game.h"
#include "support/game_folder.h"
#include "support/headless_game.h"
#include "world/game_random.h"

// Far from the whirlwind's start and from every place the tests use.
inline constexpr int ParkX = 1000;
inline constexpr int ParkY = 6000;

// Keeps a figure standing where it is for good: wandering in a heading that does not move.
inline void standStill(Actor& actor) {
    actor.heading = 8;
    actor.wanderTimer = 1'000'000'000;
    actor.fleeTimer = 0;
}

template <typename Visit> void forEachActor(Game& game, Visit visit) {
    for (Actor& actor : game.indians) {
        visit(actor);
    }
    for (Actor& actor : game.farmers) {
        visit(actor);
    }
    for (Actor& actor : game.cows) {
        visit(actor);
    }
    for (Actor& actor : game.cowboys) {
        visit(actor);
    }
}

class World {
public:
    explicit World(const GameFolder& folder) {
        folder.write();
        headless_ = std::make_unique<HeadlessGame>(folder.path());
        started_ = headless_->start();
        // Let the gust that ends set-up die away, so that no clip is still sounding.
        headless::advanceClock(1000);
        parkEveryone();
    }

    bool started() const { return started_; }
    Game& game() { return headless_->game(); }
    HeadlessGame& headless() { return *headless_; }

    void parkEveryone() {
        forEachActor(game(), [](Actor& actor) {
            actor.x = ParkX;
            actor.y = ParkY;
            actor.siteX = ParkX;
            actor.siteY = ParkY;
            standStill(actor);
        });
        game().whirlwindX = 6400;
        game().whirlwindY = 640;
    }

    // A figure in its site phase, standing at (x, y) with its site there too.
    Actor& place(Actor& actor, int x, int y, int step = 1) {
        actor.x = x;
        actor.y = y;
        actor.siteX = x;
        actor.siteY = y;
        actor.step = step;
        actor.heading = 0;
        actor.wanderTimer = 0;
        actor.fleeTimer = 0;
        actor.workTimer = 0;
        actor.penned = 0;
        return actor;
    }

    // One frame of the walking figures alone.
    void moveActors(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            game().updateActors(0, 0);
        }
    }

    // One whole world step with the cursor in the neutral middle of the map.
    void stepWorld(int cursorX = 480, int cursorY = 288) {
        game().updateWorld(cursorX, cursorY, {0, 0, 32, 32});
    }

    std::uint32_t plays(GameSound sound) const {
        return headless_->game().soundPlays[static_cast<int>(sound)];
    }

private:
    std::unique_ptr<HeadlessGame> headless_;
    bool started_ = false;
};

// How many numbers the generator gave between two of its states (at most a million).
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
