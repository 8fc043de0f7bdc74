// The game object's life: the generator's sequence, the start-up placement of every figure,
// a new game, and a set-up that fails.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "shell/application.h"
#include "shell/game.h"
#include "support/game_folder.h"
#include "support/headless_game.h"
#include "world/game_random.h"

TEST(GameRandom, FollowsTheClassicSequenceFromOne) {
    setGameRandomState(1);
    EXPECT_EQ(gameRandom(), 41);
    EXPECT_EQ(gameRandom(), 18467);
    EXPECT_EQ(gameRandom(), 6334);
    EXPECT_EQ(gameRandom(), 26500);
    setGameRandomState(0xFFFFFFFFu);
    for (int i = 0; i < 10000; ++i) {
        const int draw = gameRandom();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
    }
}

class Lifecycle : public ::testing::Test {
protected:
    ReadyFolder folder;
    HeadlessGame session{folder.path()};
};

TEST_F(Lifecycle, ConstructionGivesTheStartValues) {
    Game& game = session.construct();
    EXPECT_EQ(game.whirlwindX, 6400);
    EXPECT_EQ(game.whirlwindY, 640);
    EXPECT_EQ(game.selectedKind, Cow);
    EXPECT_EQ(game.heldKind, Indian);
    EXPECT_TRUE(game.showCursor);
    EXPECT_TRUE(game.active);
    EXPECT_FALSE(game.menuOpen);
    EXPECT_EQ(game.directDraw, nullptr);
    EXPECT_EQ(game.flyingObjects, nullptr);
    EXPECT_EQ(game.panelPen.width, 5);
    EXPECT_EQ(game.panelPen.colour, (platform::Rgb{115, 0, 0}));
    EXPECT_EQ(game.panelBrush.colour, (platform::Rgb{115, 0, 0}));
}

TEST_F(Lifecycle, PlacementDrawsFourNumbersPerFigureInTableOrder) {
    ASSERT_TRUE(session.start());
    Game& game = session.game();
    const Actor& first = game.indians[0];
    EXPECT_EQ(first.x, 832);
    EXPECT_EQ(first.y, 1184);
    EXPECT_EQ(first.siteX, 960);
    EXPECT_EQ(first.siteY, 864);
    EXPECT_EQ(first.step, 1);

    // The same 380 draws again, checked against every record.
    setGameRandomState(1);
    struct Square {
        const Actor* table;
        int count, firstColumn, columns, firstRow, rows, quickStep;
    };
    const Square squares[] = {{game.indians.data(), 20, 25, 20, 30, 20, 2},
                              {game.farmers.data(), 20, 50, 150, 25, 70, 2},
                              {game.cows.data(), 50, 25, 170, 25, 170, 3},
                              {game.cowboys.data(), 5, 50, 150, 100, 70, 2}};
    for (const Square& square : squares) {
        for (int i = 0; i < square.count; ++i) {
            const int r1 = gameRandom(), r2 = gameRandom(), r3 = gameRandom(), r4 = gameRandom();
            const Actor& actor = square.table[i];
            ASSERT_EQ(actor.x, 32 * (square.firstColumn + r1 % square.columns));
            ASSERT_EQ(actor.y, 32 * (square.firstRow + r2 % square.rows));
            ASSERT_EQ(actor.siteX - actor.x, 32 * (r3 % 20 - 10));
            ASSERT_EQ(actor.siteY - actor.y, 32 * (r4 % 20 - 10));
            const bool cowboy = square.table == game.cowboys.data();
            ASSERT_EQ(actor.step, cowboy || r1 % 100 == 32 ? square.quickStep : 1);
            ASSERT_EQ(actor.heading, 0);
            ASSERT_EQ(actor.wanderTimer, 0);
            ASSERT_EQ(actor.penned, 0);
        }
    }
    std::uint32_t expected = 1;
    for (int i = 0; i < 380; ++i) {
        expected = expected * 214013u + 2531011u;
    }
    EXPECT_EQ(gameRandomState(), expected);
}

TEST_F(Lifecycle, ANewGameResetsTheRoundButKeepsTheWorld) {
    ASSERT_TRUE(session.start());
    Game& game = session.game();
    game.whirlwindX = 1000;
    game.whirlwindY = 2000;
    game.caught = {3, 4, 5, 6};
    game.score = 250;
    game.roundOver = true;
    game.structureTiles[123] = FarmHouseDown;
    game.cows[7].x = 4321;
    game.selectedKind = Farmer;
    game.launchPower = 42.0;
    game.keyDirX = 1;
    headless::setClock(90000);

    game.newGame();
    EXPECT_EQ(game.whirlwindX, 6400);
    EXPECT_EQ(game.whirlwindY, 640);
    EXPECT_EQ(game.caught, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(game.score, 0);
    EXPECT_FALSE(game.roundOver);
    EXPECT_EQ(game.lastTick, 90000u);
    EXPECT_EQ(game.roundStartTick, 90000u);
    EXPECT_EQ(game.structureTiles[123], FarmHouseDown);
    EXPECT_EQ(game.cows[7].x, 4321);
    EXPECT_EQ(game.selectedKind, Farmer);
    EXPECT_EQ(game.launchPower, 42.0);
    EXPECT_EQ(game.keyDirX, 1);
}

TEST_F(Lifecycle, SetUpEndsWithTheRoundClockTwoSecondsOn) {
    headless::setClock(5000);
    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.game().lastTick, 5000u);
    EXPECT_EQ(session.game().roundStartTick, 7000u);
    EXPECT_TRUE(session.game().setupComplete);
}

TEST_F(Lifecycle, AFailedSetUpShowsItsMessageAndEndsTheLoop) {
    headless::failDisplayStep(platform::backend::DisplayStep::DisplayMode, E_FAIL);
    EXPECT_FALSE(session.start());
    ASSERT_EQ(headless::errorMessages().size(), 1u);
    EXPECT_EQ(headless::errorMessages()[0], "SetDisplayMode FAILED");
    EXPECT_FALSE(headless::windowExists());
    EXPECT_FALSE(session.turn()); // the quit event is the first thing the loop finds
    EXPECT_EQ(headless::presentCount(), 0);
}
