// The whole game frame (world step and every drawing step) with all 95 figures walking in
// view and fifty thrown figures in the air, on the built game data; measured against the frame
// copy floor.
#include <benchmark/benchmark.h>

#include "built_game.h"
#include "shell/game.h"
#include "world/flying_object.h"

namespace {

// A game in full swing around the whirlwind's start, on the built game data.
class GameInFullSwing {
public:
    GameInFullSwing() {
        if (!built_.ready()) {
            return;
        }
        Game& game = built_.game();
        for (int i = 0; i < 50; ++i) {
            game.flyingObjects.emplace_front(0, 0, 0, 0, kindAt(i % ActorKindCount));
        }
        arrange();
    }

    bool ready(benchmark::State& state) { return built_.ready(state); }

    // Every figure walking somewhere in view (away from the whirlwind's reach), every thrown
    // figure in the air over the view. Good for 64 frames before they wander off.
    void arrange() {
        Game& game = built_.game();
        game.whirlwindX = 6400;
        game.whirlwindY = 640;
        // A grid of 13 x 8 places 70 by 62 pixels apart over the view, leaving out the nine
        // within the whirlwind's reach: 95 places.
        int slot = 0;
        const auto walk = [&](Actor& actor) {
            int column = 0;
            int row = 0;
            do {
                column = slot % 13;
                row = slot / 13;
                ++slot;
            } while (column >= 5 && column <= 7 && row >= 3 && row <= 5);
            actor.x = game.whirlwindX - 440 + column * 70;
            actor.y = game.whirlwindY - 250 + row * 62;
            actor.heading = slot % 8;
            actor.step = 1;
            actor.fleeTimer = 0;
            actor.wanderTimer = 1000;
        };
        for (Actor& actor : game.indians) {
            walk(actor);
        }
        for (Actor& actor : game.farmers) {
            walk(actor);
        }
        for (Actor& actor : game.cows) {
            walk(actor);
        }
        for (Actor& actor : game.cowboys) {
            walk(actor);
        }
        int i = 0;
        for (auto object = game.flyingObjects.begin(); object != game.flyingObjects.end();
             ++object, ++i) {
            object->airTime = 100;
            object->lifeTime = 1000;
            object->x = game.whirlwindX - 400 + (i % 10) * 80;
            object->y = game.whirlwindY - 250 + (i / 10) * 100;
            object->vx = (i % 3) - 1;
            object->vy = (i % 5) - 2;
        }
    }

    Game& game() { return built_.game(); }

private:
    BuiltGame built_;
};

void WorldGameFrame(benchmark::State& state) {
    GameInFullSwing busy;
    if (!busy.ready(state)) {
        return;
    }
    int frame = 0;
    for (auto _ : state) {
        if (++frame % 64 == 0) {
            busy.arrange();
        }
        busy.game().updateFrame();
    }
}
BENCHMARK(WorldGameFrame);

} // namespace
