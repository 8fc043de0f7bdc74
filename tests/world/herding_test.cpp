// Cows and cowboys: a loose cow follows the first cowboy close by, and a cowboy whose pen
// stands fetches a cow and leads it in.
#include <gtest/gtest.h>

#include "pen_picture.h"
#include "world_fixture.h"

namespace {

TEST(Herding, ALooseCowFollowsTheFirstCowBoyInTableOrder) {
    World world;
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    Actor& cow = world.place(game.cows[20], 3000, 3000);
    game.cowboys[1].x = 3000 + 99; // in reach up to 99 pixels, level included
    game.cowboys[1].y = 3000;
    game.cowboys[3].x = game.cowboys[3].y = 3000 - 50;
    world.moveActors();
    EXPECT_EQ(cow.x, 3001);
    EXPECT_EQ(cow.y, 3001);          // level with him, it steps down all the same
    game.cowboys[1].x = cow.x + 100; // out of reach: the next one in the table
    world.moveActors();
    EXPECT_EQ(cow.x, 3000);
    EXPECT_EQ(cow.y, 3000);
}

TEST(Herding, ACowBoyFetchesACowAndLeadsItIntoHisPen) {
    World world;
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    constexpr int SiteX = 100 * 32;
    constexpr int SiteY = 100 * 32;
    putUpPen(game, SiteX, SiteY);
    Actor& cowboy = world.place(game.cowboys[0], SiteX, SiteY, 2);
    for (int i = 1; i < 10; ++i) {
        game.cows[i].penned = 1;
    }
    Actor& cow = world.place(game.cows[0], SiteX + 400, SiteY + 150);
    cow.siteX = SiteX + 3000; // it ambles off to the right
    world.moveActors();
    EXPECT_EQ(cowboy.x, SiteX + 2); // fetching: both axes at his step
    EXPECT_EQ(cowboy.y, SiteY + 2);
    for (int frame = 0; frame < 5000 && cow.penned == 0; ++frame) {
        world.moveActors();
    }
    ASSERT_EQ(cow.penned, 1);
    EXPECT_LE(std::abs(cowboy.x - SiteX), 10);
    EXPECT_LE(std::abs(cowboy.y - SiteY), 10);
    EXPECT_EQ(cow.siteX, SiteX - 64);
    EXPECT_EQ(cow.siteY, SiteY + 128);
    // Once it has walked in, it grazes inside the ring, never fleeing the whirlwind.
    world.moveActors(400);
    game.whirlwindX = cow.siteX + 70; // near, but out of reach
    game.whirlwindY = cow.siteY + 70;
    for (int frame = 0; frame < 300; ++frame) {
        world.moveActors();
        ASSERT_EQ(cow.fleeTimer, 0);
        ASSERT_GT(cow.x, penCellX(SiteX, 0));
        ASSERT_LT(cow.x, SiteX);
        ASSERT_GT(cow.y, SiteY);
        ASSERT_LT(cow.y, penCellY(SiteY, 6));
    }
}

} // namespace
