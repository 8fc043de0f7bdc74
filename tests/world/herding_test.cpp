// Cows and cowboys: a loose cow follows the first cowboy close by; a cowboy with a standing pen
// fetches his cows one at a time and leads each inside; a penned cow stays calm.
#include <gtest/gtest.h>

#include "pen_picture.h"
#include "world_fixture.h"

namespace {

class Herding : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.started()); }
    Game& game() { return world.game(); }

    GameFolder folder;
    World world{folder};
};

TEST_F(Herding, ALooseCowFollowsTheFirstCowBoyInTableOrder) {
    Actor& cow = world.place(game().cows[20], 3000, 3000);
    Actor& second = game().cowboys[1];
    Actor& fourth = game().cowboys[3];
    second.x = 3000 + 99; // within reach up to 99 pixels, level included
    second.y = 3000;
    fourth.x = 3000 - 50;
    fourth.y = 3000 - 50;
    world.moveActors();
    EXPECT_EQ(cow.x, 3001);
    EXPECT_EQ(cow.y, 3001); // level with him: it steps down all the same

    second.x = cow.x + 100; // out of reach: the next cowboy in the table
    world.moveActors();
    EXPECT_EQ(cow.x, 3000);
    EXPECT_EQ(cow.y, 3000);
}

TEST_F(Herding, APennedCowNeitherRunsNorFollowsAndGrazesCloseToItsSpot) {
    game().whirlwindX = 3000 + 30;
    game().whirlwindY = 3000 + 40;
    game().cowboys[2].x = 3000 - 30;
    game().cowboys[2].y = 3000;
    Actor& cow = world.place(game().cows[0], 3000, 3000);
    cow.penned = 1;
    cow.siteX = 3000 + 60; // 60 pixels off its spot: it walks back within 50
    setGameRandomState(1);
    world.moveActors(10);
    EXPECT_EQ(cow.fleeTimer, 0);
    EXPECT_EQ(cow.x, 3000 + 10);
    EXPECT_EQ(cow.y, 3000);
    EXPECT_EQ(cow.wanderTimer, 0);
    world.moveActors();
    EXPECT_EQ(cow.heading, 41 % 50);
    EXPECT_EQ(cow.wanderTimer, 10);
}

TEST_F(Herding, ACowBoyFetchesACowAndLeadsItIntoHisPen) {
    constexpr int SiteX = 100 * 32;
    constexpr int SiteY = 100 * 32;
    putUpPen(game(), SiteX, SiteY);
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    for (int i = 1; i < 10; ++i) {
        game().cows[i].penned = 1;
    }
    // The cow ambles off to the right, toward a spot far away.
    Actor& cow = world.place(game().cows[0], SiteX + 400, SiteY + 150);
    cow.siteX = SiteX + 3000;

    cowboy.wanderTimer = 0;
    world.moveActors();
    EXPECT_EQ(cowboy.x, SiteX + 2); // fetching: both axes at his step
    EXPECT_EQ(cowboy.y, SiteY + 2);

    int frames = 1;
    while (cow.penned == 0 && frames < 5000) {
        world.moveActors();
        ++frames;
    }
    ASSERT_EQ(cow.penned, 1) << "after " << frames << " frames";
    EXPECT_LE(std::abs(cowboy.x - SiteX), 10);
    EXPECT_LE(std::abs(cowboy.y - SiteY), 10);
    EXPECT_LT(std::abs(cow.x - cowboy.x), 100);
    EXPECT_LT(std::abs(cow.y - cowboy.y), 100);
    EXPECT_EQ(cow.siteX, SiteX - 64);
    EXPECT_EQ(cow.siteY, SiteY + 128);

    // It grazes within fifty pixels of its spot (and ten frames' wandering beyond), in the
    // ring, once it has walked in.
    world.moveActors(400);
    for (int frame = 0; frame < 500; ++frame) {
        world.moveActors();
        ASSERT_LE(std::abs(cow.x - (SiteX - 64)), 50 + 10) << "frame " << frame;
        ASSERT_LE(std::abs(cow.y - (SiteY + 128)), 50 + 10) << "frame " << frame;
        ASSERT_GT(cow.x, penCellX(SiteX, 0));
        ASSERT_LT(cow.x, SiteX);
        ASSERT_GT(cow.y, SiteY);
        ASSERT_LT(cow.y, penCellY(SiteY, 6));
    }
    EXPECT_EQ(cow.penned, 1);
}

} // namespace
