// The walking figures and the whirlwind: when it frightens them, which way they run, when it
// catches them and where a caught figure starts again; and cows and cowboys: a loose cow
// follows the first cowboy close by, and a cowboy whose pen stands leads a cow into it.
#include <gtest/gtest.h>

#include "world_fixture.h"

namespace {

constexpr int WX = 3200; // the whirlwind, in the middle of open grass
constexpr int WY = 3200;

class Actors : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        game().whirlwindX = WX;
        game().whirlwindY = WY;
    }
};

TEST_F(Actors, TheWhirlwindIsNearWithinAHundredPixelsButNeverWhenLevel) {
    const int cases[][3] = {{50, 0, false},  {50, 1, true},    {0, 50, false},
                            {99, -99, true}, {100, 50, false}, {-50, -100, false}};
    for (const auto& c : cases) {
        Actor& farmer = standStill(world.place(game().farmers[0], WX + c[0], WY + c[1]));
        world.moveActors();
        EXPECT_EQ(farmer.fleeTimer, c[2] ? 150 - 1 : 0) << "at " << c[0] << ", " << c[1];
    }
}

TEST_F(Actors, RunningFiguresGoDiagonallyAwayAndLeftOrDownWhenLevel) {
    // dx, dy from the whirlwind; the move; frightened anew (flee time 200 - 1) or running on.
    const int cases[][5] = {{40, 40, 4, 4, 199},
                            {-40, -40, -4, -4, 199},
                            {40, -40, 4, -4, 199},
                            {0, 40, -4, 4, 4},
                            {40, 0, 4, 4, 4}};
    for (const auto& c : cases) {
        Actor& indian = world.place(game().indians[0], WX + c[0], WY + c[1], 2);
        indian.fleeTimer = 5;
        world.moveActors();
        EXPECT_EQ(indian.x - WX, c[0] + c[2]) << "from " << c[0] << ", " << c[1];
        EXPECT_EQ(indian.y - WY, c[1] + c[3]) << "from " << c[0] << ", " << c[1];
        EXPECT_EQ(indian.fleeTimer, c[4]);
    }
}

TEST_F(Actors, TheCatchBoxLeavesOutItsEdges) {
    // The whole box is near, so the farmer first runs three pixels right and down; these are
    // the points where he ends up.
    const int cases[][3] = {{20, 10, true},  {11, 6, true},  {34, 29, true}, {10, 10, false},
                            {35, 10, false}, {20, 5, false}, {20, 30, false}};
    for (const auto& c : cases) {
        world.place(game().farmers[1], WX + c[0] - 3, WY + c[1] - 3);
        const std::int32_t before = game().caught[Farmer - 1];
        world.moveActors();
        EXPECT_EQ(game().caught[Farmer - 1], before + c[2]) << "at " << c[0] << ", " << c[1];
    }
}

// The generator's first four numbers are 41, 18467, 6334 and 26500.
TEST_F(Actors, ACaughtIndianStartsAgainInHisSquareWithANewSiteAndHisTepeeGone) {
    Actor& indian = world.place(game().indians[0], WX + 17, WY + 7);
    indian.siteX = indian.siteY = 4000;
    indian.workTimer = 123;
    indian.heading = 6;
    game().setStructureAt(4000, 4000, Tepee);
    game().caught = {999, 0, 0, 0};
    const std::uint32_t calls = world.plays(GameSound::Indian);
    setGameRandomState(1);
    world.moveActors();

    EXPECT_EQ(indian.x, (41 % 20 + 25) * 32);
    EXPECT_EQ(indian.y, (18467 % 20 + 30) * 32);
    EXPECT_EQ(indian.siteX, indian.x + (6334 % 20 - 10) * 32);
    EXPECT_EQ(indian.siteY, indian.y + (26500 % 20 - 10) * 32);
    EXPECT_EQ(indian.step, 1);
    EXPECT_EQ(indian.workTimer, 0);
    EXPECT_EQ(indian.heading, 6);
    EXPECT_EQ(game().structureAt(4000, 4000), Empty);
    EXPECT_EQ(game().caught[Indian - 1], 1000);
    EXPECT_EQ(world.plays(GameSound::Indian), calls + 1);
    EXPECT_EQ(drawsBetween(1, gameRandomState()), 4);

    world.place(indian, WX + 17, WY + 7);
    world.moveActors();
    EXPECT_EQ(game().caught[Indian - 1], 1000); // the count stops there
}

TEST_F(Actors, ACaughtCowBoyKeepsHisSiteAndHisFence) {
    Actor& cowboy = world.place(game().cowboys[2], WX + 17, WY + 7, 2);
    cowboy.siteX = cowboy.siteY = 4000;
    game().setStructureAt(4000, 4000, Fence_TRCorner);
    setGameRandomState(1);
    world.moveActors();
    EXPECT_EQ(cowboy.x, (41 % 150 + 50) * 32);
    EXPECT_EQ(cowboy.y, (18467 % 70 + 100) * 32);
    EXPECT_EQ(cowboy.siteX, 4000);
    EXPECT_EQ(cowboy.step, 2);
    EXPECT_EQ(game().structureAt(4000, 4000), Fence_TRCorner);
    EXPECT_EQ(drawsBetween(1, gameRandomState()), 4);
}

TEST_F(Actors, ACowInItsPenNeverRunsEvenIfItWasRunningBefore) {
    Actor& near = world.place(game().cows[0], WX + 30, WY + 30);
    near.penned = 1;
    Actor& far = world.place(game().cows[1], WX + 400, WY + 400);
    far.penned = 1;
    far.fleeTimer = 50; // frightened before it was brought in
    world.moveActors();
    EXPECT_EQ(near.fleeTimer, 0);
    EXPECT_EQ(far.fleeTimer, 0);
    EXPECT_EQ(far.x, WX + 400); // grazing, not running: inside its 50-pixel range it turns
    EXPECT_EQ(far.wanderTimer, 10);
}

TEST(ActorsOnWater, IndiansPaddleAcrossWaterWhereTheOthersStopAtTheBank) {
    GameFolder folder;
    folder.draw(100, 100, {"..~~~.."});
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    Actor* walkers[] = {&game.indians[0], &game.farmers[0], &game.cows[0], &game.cowboys[0]};
    for (Actor* walker : walkers) {
        world.place(*walker, 101 * 32 + 20, 100 * 32 + 10).heading = 5; // right
        walker->wanderTimer = 100;
    }
    world.moveActors(100);
    EXPECT_EQ(game.indians[0].x, 101 * 32 + 120);
    for (Actor* walker : {walkers[1], walkers[2], walkers[3]}) {
        EXPECT_EQ(walker->x, 102 * 32 - 1);
    }
}

using Herding = WorldTest;

TEST_F(Herding, ALooseCowFollowsTheFirstCowBoyInTableOrder) {
    Actor& cow = world.place(game().cows[20], 3000, 3000);
    game().cowboys[1].x = 3000 + 99; // in reach up to 99 pixels, level included
    game().cowboys[1].y = 3000;
    game().cowboys[3].x = game().cowboys[3].y = 3000 - 50;
    world.moveActors();
    EXPECT_EQ(cow.x, 3001);
    EXPECT_EQ(cow.y, 3001);            // level with him, it steps down all the same
    game().cowboys[1].x = cow.x + 100; // out of reach: the next one in the table
    world.moveActors();
    EXPECT_EQ(cow.x, 3000);
    EXPECT_EQ(cow.y, 3000);
}

TEST_F(Herding, ACowBoyFetchesACowAndLeadsItIntoHisPen) {
    constexpr int SiteX = 100 * 32;
    constexpr int SiteY = 100 * 32;
    putUpPen(game(), SiteX, SiteY);
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    for (int i = 1; i < 10; ++i) {
        game().cows[i].penned = 1;
    }
    Actor& cow = world.place(game().cows[0], SiteX + 400, SiteY + 150);
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
    // Once it has walked in, it grazes inside the ring, near the whirlwind but out of reach.
    world.moveActors(400);
    game().whirlwindX = cow.siteX + 70;
    game().whirlwindY = cow.siteY + 70;
    for (int frame = 0; frame < 300; ++frame) {
        world.moveActors();
        ASSERT_EQ(cow.fleeTimer, 0);
        ASSERT_TRUE(cow.x > penCellX(SiteX, 0) && cow.x < SiteX);
        ASSERT_TRUE(cow.y > SiteY && cow.y < penCellY(SiteY, 6));
    }
}

} // namespace
