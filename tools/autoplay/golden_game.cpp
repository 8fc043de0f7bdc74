// The golden game: catch figures near the start, throw them at the target for 100, 50 and 25
// points (one throw with the power past its peak), open the menu and resume, lose the display
// once, start a new game, catch again, end the round with one very long frame, throw once more
// after the round, and let the world run on by itself to frame 4,200.
#include "autoplay/golden_game.h"

#include <algorithm>

namespace {

constexpr int LastFrame = 4200;

// The kind with the most caught, Indian first on a tie.
ActorKind mostCaught(const Game& game) {
    int best = 0;
    for (int kind = 1; kind < 4; ++kind) {
        if (game.caught[kind] > game.caught[best]) {
            best = kind;
        }
    }
    return kindAt(best);
}

void report(AutoPlayer& player, std::ostream& log, const char* phase) {
    const Game& game = player.game();
    log << "frame " << player.frame() << ": " << phase << " (caught " << game.caught[0] << ' '
        << game.caught[1] << ' ' << game.caught[2] << ' ' << game.caught[3] << ", score "
        << game.score << ", best " << game.bestScore << ", whirlwind " << game.whirlwindX << ' '
        << game.whirlwindY << ")\n";
}

void clickMenuButton(AutoPlayer& player, int y) {
    player.mouse(525, y);
    player.play();
    player.leftButton(true);
    player.play();
    player.leftButton(false);
    player.play();
}

} // namespace

void playGoldenGame(AutoPlayer& player, std::ostream& log) {
    player.comment("Chase figures near the start with the arrow keys and the right button.");
    player.catchFigures(5, 1400);
    report(player, log, "caught near the start");

    player.comment("Back to the start, across the stream from the target.");
    player.goTo(6400, 640, 2000);
    report(player, log, "back at the start");

    player.comment("Three throws: the bull's eye, then 50 with the power past its peak, then 25.");
    player.throwFigure(mostCaught(player.game()), 100, false);
    player.throwFigure(mostCaught(player.game()), 50, true);
    player.throwFigure(mostCaught(player.game()), 25, false);
    player.play(110);
    report(player, log, "three throws landed");

    player.comment("The menu for a while (the round clock stands still), then resume.");
    player.escape();
    player.play(60);
    clickMenuButton(player, 382);
    report(player, log, "resumed");

    player.comment("Knock down the nearest standing building, then back to the start.");
    player.wreckNearestStructure(player.frame() + 900);
    report(player, log, "knocked down a building");
    player.goTo(6400, 640, player.frame() + 900);

    player.comment("The display loses its surfaces once.");
    player.lose();
    player.play(5);

    player.comment("A new game from the menu.");
    player.escape();
    player.play(3);
    clickMenuButton(player, 293);
    report(player, log, "new game");

    player.comment("Catch again.");
    player.catchFigures(2, player.frame() + 800);
    player.goTo(6400, 640, player.frame() + 600);
    report(player, log, "caught again");

    player.comment("One frame of 201 seconds ends the round.");
    player.tick(201000);
    player.play(3);
    report(player, log, "round over");

    player.comment("A throw after the round still flies and lands.");
    player.throwFigure(mostCaught(player.game()), -1, false);
    player.play(120);
    report(player, log, "thrown after the round");

    player.comment("The world runs on by itself.");
    player.play(std::max(0, LastFrame - player.frame()));
    report(player, log, "end");
}
