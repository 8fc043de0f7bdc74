// The whole game frame (world step and every drawing step) with all 95 figures walking in
// view and fifty thrown figures in the air; measured against the frame copy floor.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/headless/headless.h"
#include "shell/game.h"
#include "support/game_folder.h"
#include "support/headless_game.h"
#include "world/flying_object.h"

namespace {

// The built game folder beside this program, when the data generator has filled it.
std::string builtGameFolder() {
    std::error_code error;
    const auto folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "game";
    return !error && std::filesystem::exists(folder / "Terrain.dat") ? folder.string() : "";
}

// A game in full swing around the whirlwind's start.
class GameInFullSwing {
public:
    GameInFullSwing() {
        std::string folder = builtGameFolder();
        if (folder.empty()) {
            own_ = std::make_unique<GameFolder>();
            own_->write();
            folder = own_->path();
        }
        usesBuiltData = !own_;
        headless_ = std::make_unique<HeadlessGame>(folder);
        started = headless_->start();
        if (started) {
            Game& game = headless_->game();
            for (int i = 0; i < 50; ++i) {
                game.flyingObjects = new FlyingObject(0, 0, 0, 0, game.flyingObjects, 1 + i % 4);
            }
            arrange();
        }
    }

    // Every figure walking somewhere in view (away from the whirlwind's reach), every thrown
    // figure in the air over the view. Good for 64 frames before they wander off.
    void arrange() {
        Game& game = headless_->game();
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
        for (FlyingObject* object = game.flyingObjects; object != nullptr;
             object = object->getNext(), ++i) {
            object->airTime = 100;
            object->lifeTime = 1000;
            object->x = game.whirlwindX - 400 + (i % 10) * 80;
            object->y = game.whirlwindY - 250 + (i / 10) * 100;
            object->vx = (i % 3) - 1;
            object->vy = (i % 5) - 2;
        }
    }

    Game& game() { return headless_->game(); }
    bool started = false;
    bool usesBuiltData = false;

private:
    std::unique_ptr<GameFolder> own_;
    std::unique_ptr<HeadlessGame> headless_;
};

void WorldGameFrame(benchmark::State& state) {
    GameInFullSwing busy;
    if (!busy.started) {
        state.SkipWithError("the game did not start");
        return;
    }
    state.SetLabel(busy.usesBuiltData ? "built game data" : "own map, no pictures");
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
