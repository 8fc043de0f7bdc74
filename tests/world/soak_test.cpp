// A long game of random play on a map of its own: keys, mouse, whole throws, the menu, new
// games, minimising and lost surfaces. Nothing may go wrong, no count may leave 0..1000, and no
// more thrown figures may be in the air than the panel allows.
#include <gtest/gtest.h>

#include "soak/random_player.h"
#include "world/flying_object.h"
#include "world_fixture.h"

namespace {

// An island of meadow in a lake, with a river, a town, burnt ground, and the target beyond the
// water on the east.
void drawIsland(GameFolder& folder) {
    const auto fill = [&](int column, int columns, int row, int rows, auto value) {
        for (int c = column; c < column + columns; ++c) {
            for (int r = row; r < row + rows; ++r) {
                folder.setGround(c, r, value(c, r));
            }
        }
    };
    fill(1, 201, 1, 206, [](int, int) { return Ground::Grass; });
    fill(99, 5, 30, 120, [](int c, int) {
        return c == 99 ? Ground::LeftBank : c == 103 ? Ground::RightBank : Ground::Water;
    });
    fill(150, 6, 50, 6,
         [](int c, int r) { return (c + r) % 3 == 0 ? Ground::Collumn : Ground::Building; });
    fill(180, 6, 10, 5, [](int c, int r) { return Ground::DropBomb + (c + r) % 4; });
    fill(204, 11, 16, 11, [](int c, int r) { return Ground::Target001 + (c - 204) * 11 + r - 16; });
}

int inTheAir(const Game& game) {
    return static_cast<int>(game.flyingObjects.size());
}

TEST(Soak, AHundredThousandFramesOfRandomPlay) {
    GameFolder folder(Ground::Water);
    drawIsland(folder);
    folder.write();
    HeadlessGame headless(folder.path());
    ASSERT_TRUE(headless.start());
    Game& game = headless.game();
    RandomPlayer player;
    int thrown = 0;
    int most = 0;
    for (int frame = 1, before = 0; frame <= 100'000; ++frame) {
        if (game.caught[0] + game.caught[1] + game.caught[2] + game.caught[3] < 40) {
            game.caught = {250, 250, 250, 250}; // plenty to throw, again after a new game
        }
        ASSERT_TRUE(headless.turn(player.play(game))) << "the game quit at frame " << frame;
        const int now = inTheAir(game);
        ASSERT_LE(now, 250) << "frame " << frame;
        thrown += std::max(0, now - before);
        most = std::max(most, now);
        before = now;
        for (const std::int32_t count : game.caught) {
            ASSERT_TRUE(count >= 0 && count <= 1000) << "frame " << frame;
        }
        ASSERT_TRUE(game.whirlwindX >= 480 && game.whirlwindX < MapColumns * 32);
        ASSERT_TRUE(game.whirlwindY >= 288 && game.whirlwindY < MapRows * 32);
    }
    EXPECT_GT(thrown, 1000); // the run really threw, with many in the air at once
    EXPECT_GT(most, 10);
}

} // namespace
