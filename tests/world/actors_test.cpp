// The walking figures: when the whirlwind frightens them, how they run, when it catches them,
// where they come back, and how ground and water stop them.
#include <gtest/gtest.h>

#include "world_fixture.h"

namespace {

constexpr int WX = 3200; // the whirlwind, in the middle of open grass
constexpr int WY = 3200;

class Actors : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.started());
        game().whirlwindX = WX;
        game().whirlwindY = WY;
    }
    Game& game() { return world.game(); }

    GameFolder folder;
    World world{folder};
};

TEST_F(Actors, TheWhirlwindIsNearOnlyWithinAHundredPixelsAndNeverWhenLevel) {
    struct Case {
        int dx;
        int dy;
        bool near;
    };
    const Case cases[] = {
        {50, 0, false}, {50, 1, true},    {0, 50, false},    {1, 50, true},
        {99, 99, true}, {100, 50, false}, {50, -100, false}, {-99, -99, true},
    };
    for (const Case& c : cases) {
        Actor& farmer = game().farmers[0];
        standStill(farmer);
        farmer.x = WX + c.dx;
        farmer.y = WY + c.dy;
        farmer.step = 1;
        world.moveActors();
        EXPECT_EQ(farmer.fleeTimer, c.near ? 150 - 1 : 0) << "at " << c.dx << ", " << c.dy;
    }
}

TEST_F(Actors, EachKindRunsForItsOwnTimeButAPennedCowStaysPut) {
    const int x = WX + 60;
    const int y = WY + 60;
    Actor* runners[] = {&game().indians[3], &game().farmers[3], &game().cows[3],
                        &game().cowboys[3]};
    const int fleeTimes[] = {200, 150, 600, 150};
    for (Actor* runner : runners) {
        world.place(*runner, x, y);
    }
    Actor& pennedCow = world.place(game().cows[4], x, y);
    pennedCow.penned = 1;
    world.moveActors();
    for (int kind = 0; kind < 4; ++kind) {
        EXPECT_EQ(runners[kind]->fleeTimer, fleeTimes[kind] - 1) << "kind " << kind + 1;
    }
    EXPECT_EQ(pennedCow.fleeTimer, 0);
}

TEST_F(Actors, FleeingFiguresRunDiagonallyAwayAndLeftOrDownWhenLevel) {
    struct Case {
        int dx;
        int dy;
        int moveX;
        int moveY;
        int fleeTimer; // frightened anew (200 - 1) or running on
    };
    const Case cases[] = {
        {40, 40, 4, 4, 199},   {-40, -40, -4, -4, 199},
        {40, -40, 4, -4, 199}, {0, 40, -4, 4, 4}, // level in x: to the left
        {40, 0, 4, 4, 4},                         // level in y: downward
    };
    for (const Case& c : cases) {
        Actor& indian = world.place(game().indians[0], WX + c.dx, WY + c.dy, 2);
        indian.fleeTimer = 5; // already running from an earlier fright
        world.moveActors();
        EXPECT_EQ(indian.x, WX + c.dx + c.moveX) << "from " << c.dx << ", " << c.dy;
        EXPECT_EQ(indian.y, WY + c.dy + c.moveY) << "from " << c.dx << ", " << c.dy;
        EXPECT_EQ(indian.fleeTimer, c.fleeTimer);
    }
}

TEST_F(Actors, TheCatchBoxExcludesItsEdges) {
    // Every point of the catch box is near, so a figure first runs three pixels right and down
    // (its step 1 and two) and is caught where it ends up.
    struct Case {
        int endX;
        int endY;
        bool caught;
    };
    const Case cases[] = {
        {20, 10, true},  {11, 6, true},  {34, 29, true},  {10, 10, false},
        {35, 10, false}, {20, 5, false}, {20, 30, false},
    };
    for (const Case& c : cases) {
        Actor& farmer = world.place(game().farmers[1], WX + c.endX - 3, WY + c.endY - 3);
        const std::int32_t before = game().caught[Farmer - 1];
        world.moveActors();
        EXPECT_EQ(game().caught[Farmer - 1], before + (c.caught ? 1 : 0))
            << "ending at " << c.endX << ", " << c.endY;
        if (!c.caught) {
            EXPECT_EQ(farmer.x, WX + c.endX);
            EXPECT_EQ(farmer.y, WY + c.endY);
        }
    }
}

// The generator's first four numbers are 41, 18467, 6334 and 26500.
TEST_F(Actors, ACaughtIndianComesBackInHisSquareWithANewSiteAndHisTepeeGone) {
    Actor& indian = world.place(game().indians[0], WX + 17, WY + 7);
    indian.siteX = 4000;
    indian.siteY = 4000;
    indian.workTimer = 123;
    indian.heading = 6;
    game().setStructureAt(4000, 4000, Tepee);
    const std::uint32_t calls = world.plays(GameSound::Indian);
    setGameRandomState(1);
    world.moveActors();

    EXPECT_EQ(indian.x, (41 % 20 + 25) * 32);
    EXPECT_EQ(indian.y, (18467 % 20 + 30) * 32);
    EXPECT_EQ(indian.siteX, indian.x + (6334 % 20 - 10) * 32);
    EXPECT_EQ(indian.siteY, indian.y + (26500 % 20 - 10) * 32);
    EXPECT_EQ(indian.step, 1);
    EXPECT_EQ(indian.fleeTimer, 0);
    EXPECT_EQ(indian.workTimer, 0);
    EXPECT_EQ(indian.heading, 6);
    EXPECT_EQ(game().structureAt(4000, 4000), Empty);
    EXPECT_EQ(game().caught, (std::array<std::int32_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(world.plays(GameSound::Indian), calls + 1);
    EXPECT_EQ(drawsBetween(1, gameRandomState()), 4);
}

TEST_F(Actors, ACaughtCowBoyKeepsHisSiteAndHisFenceAndACaughtCowLeavesThePen) {
    Actor& cowboy = world.place(game().cowboys[2], WX + 17, WY + 7, 2);
    cowboy.siteX = 4000;
    cowboy.siteY = 4000;
    game().setStructureAt(4000 - 32, 4000, Fence_TRCorner);
    setGameRandomState(1);
    world.moveActors();
    EXPECT_EQ(cowboy.x, (41 % 150 + 50) * 32);
    EXPECT_EQ(cowboy.y, (18467 % 70 + 100) * 32);
    EXPECT_EQ(cowboy.siteX, 4000);
    EXPECT_EQ(cowboy.siteY, 4000);
    EXPECT_EQ(cowboy.step, 2);
    EXPECT_EQ(game().structureAt(4000 - 32, 4000), Fence_TRCorner);
    EXPECT_EQ(drawsBetween(1, gameRandomState()), 4);

    Actor& cow = world.place(game().cows[7], WX + 17, WY + 7);
    cow.penned = 1;
    cow.fleeTimer = 3; // a penned cow can still be running from earlier
    cow.siteX = 4000;
    cow.siteY = 4000;
    game().setStructureAt(4000, 4000, FarmHouse);
    setGameRandomState(1);
    world.moveActors();
    EXPECT_EQ(cow.penned, 0);
    EXPECT_EQ(cow.x, (41 % 170 + 25) * 32);
    EXPECT_EQ(cow.siteX, cow.x + (6334 % 20 - 10) * 32);
    EXPECT_EQ(game().structureAt(4000, 4000), FarmHouse);
    EXPECT_EQ(game().caught, (std::array<std::int32_t, 4>{0, 0, 1, 1}));
}

TEST_F(Actors, OneInAHundredComesBackQuicker) {
    // Look for a state whose next number leaves 32 over a hundred.
    setGameRandomState(1);
    std::uint32_t quick = 0;
    for (;;) {
        quick = gameRandomState();
        if (gameRandom() % 100 == 32) {
            break;
        }
    }
    const struct {
        Actor* actor;
        int step;
    } cases[] = {{&game().indians[1], 2}, {&game().farmers[1], 2}, {&game().cows[1], 3}};
    for (const auto& c : cases) {
        world.place(*c.actor, WX + 17, WY + 7);
        setGameRandomState(quick);
        world.moveActors();
        EXPECT_EQ(c.actor->step, c.step);
    }
}

TEST_F(Actors, TheCaughtCounterStopsAtAThousand) {
    game().caught = {0, 0, 999, 0};
    world.place(game().cows[0], WX + 17, WY + 7);
    world.moveActors();
    EXPECT_EQ(game().caught[Cow - 1], 1000);
    world.place(game().cows[0], WX + 17, WY + 7);
    world.moveActors();
    EXPECT_EQ(game().caught[Cow - 1], 1000);
}

TEST_F(Actors, RoamingWalksBackOneAxisAtATimeThenDrawsAHeading) {
    Actor& farmer = world.place(game().farmers[5], 2000, 2000, 2);
    game().setStructureAt(2000, 2000, FarmHouse); // built: nothing to do but roam
    farmer.x = 2000 - 301;
    farmer.y = 2000 + 305;
    world.moveActors();
    EXPECT_EQ(farmer.x, 2000 - 299); // x first...
    EXPECT_EQ(farmer.y, 2305);
    world.moveActors(3);
    EXPECT_EQ(farmer.x, 2000 - 299); // ...then y, back inside the 300-pixel square
    EXPECT_EQ(farmer.y, 2299);
    EXPECT_EQ(farmer.wanderTimer, 0);

    setGameRandomState(1);
    world.moveActors();
    EXPECT_EQ(farmer.heading, 41 % 30);
    EXPECT_EQ(farmer.wanderTimer, 50);
    EXPECT_EQ(farmer.x, 2000 - 299);

    // Heading 11 stands still; an Indian's headings come from 0..9 and he wanders 20 frames.
    Actor& indian = world.place(game().indians[5], 2500, 2500);
    game().setStructureAt(2500, 2500, Tepee);
    setGameRandomState(1);
    world.moveActors();
    EXPECT_EQ(indian.heading, 1); // 41 mod 10: down right
    EXPECT_EQ(indian.wanderTimer, 20);
    world.moveActors(2);
    EXPECT_EQ(indian.x, 2502);
    EXPECT_EQ(indian.y, 2502);
    EXPECT_EQ(indian.wanderTimer, 18);
    EXPECT_EQ(farmer.x, 2000 - 299);
}

TEST(ActorsOnWater, IndiansPaddleAcrossWaterWhereOthersAreHeldBack) {
    GameFolder folder;
    folder.draw(100, 100, {"..~~~.."});
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    Actor* walkers[] = {&game.indians[0], &game.farmers[0], &game.cows[0], &game.cowboys[0]};
    for (Actor* walker : walkers) {
        world.place(*walker, 101 * 32 + 20, 100 * 32 + 10);
        walker->heading = 5; // right
        walker->wanderTimer = 100;
    }
    world.moveActors(100);
    EXPECT_EQ(game.indians[0].x, 101 * 32 + 120);
    for (Actor* walker : {&game.farmers[0], &game.cows[0], &game.cowboys[0]}) {
        EXPECT_EQ(walker->x, 102 * 32 - 1) << "stops on the bank";
        EXPECT_EQ(walker->y, 100 * 32 + 10);
    }
}

} // namespace
