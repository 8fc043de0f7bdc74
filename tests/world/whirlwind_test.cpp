// The whirlwind's move: keys and right-mouse steering, blocking ground, wrecking, the wind.
#include <gtest/gtest.h>

#include "world_fixture.h"

namespace {

TEST(Whirlwind, KeysAndMouseAddUpInOneFrame) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    HeadlessGame& headless = world.headless();
    Game& game = world.game();
    headless.turn(); // the first frame after set-up is a long one

    headless.key(platform::EventType::KeyDown, platform::KeyRight);
    headless.send(platform::EventType::RightButtonDown);
    headless.mouse(700, 288);
    headless.turn(60); // a frame of 60 ms: steps of 10
    EXPECT_EQ(game.whirlwindStep, 10);
    EXPECT_EQ(game.whirlwindX, 6400 + 10 + 15);
    EXPECT_EQ(game.whirlwindY, 640);

    headless.mouse(480, 100);
    headless.turn(16); // steps of 5: the key still moves x, the mouse moves y by 5 + 2
    EXPECT_EQ(game.whirlwindStep, 5);
    EXPECT_EQ(game.whirlwindX, 6425 + 5);
    EXPECT_EQ(game.whirlwindY, 640 - 7);
}

TEST(Whirlwind, MouseSteeringBoundsAreExclusiveAndTheOuterRuleReplacesTheInner) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    struct Case {
        int cursorX;
        int cursorY;
        int dx;
        int dy;
    };
    const Case cases[] = {
        {480, 288, 0, 0},   {530, 288, 0, 0},   {531, 288, 10, 0},  {630, 288, 10, 0},
        {631, 288, 15, 0},  {430, 288, 0, 0},   {429, 288, -10, 0}, {330, 288, -10, 0},
        {329, 288, -15, 0}, {480, 338, 0, 0},   {480, 339, 0, 10},  {480, 439, 0, 15},
        {480, 238, 0, 0},   {480, 237, 0, -10}, {480, 137, 0, -15}, {1000, 0, 15, -15},
    };
    game.rightButtonDown = true;
    game.whirlwindStep = 10;
    for (const Case& c : cases) {
        game.whirlwindX = 3200;
        game.whirlwindY = 3200;
        world.stepWorld(c.cursorX, c.cursorY);
        EXPECT_EQ(game.whirlwindX, 3200 + c.dx) << "cursor " << c.cursorX << ", " << c.cursorY;
        EXPECT_EQ(game.whirlwindY, 3200 + c.dy) << "cursor " << c.cursorX << ", " << c.cursorY;
    }

    // Once the round is over the mouse no longer steers.
    game.roundOver = true;
    game.whirlwindX = 3200;
    game.whirlwindY = 3200;
    world.stepWorld(1000, 0);
    EXPECT_EQ(game.whirlwindX, 3200);
    EXPECT_EQ(game.whirlwindY, 3200);
}

TEST(Whirlwind, BlockingGroundHoldsBackEachAxisOnItsOwn) {
    GameFolder folder;
    folder.setGround(151, 20, Building); // right of the first start: it slides down
    folder.setGround(161, 21, Water);    // touches the second start only at a corner
    folder.setGround(170, 21, Collumn);  // below the third start: it slides right
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    game.whirlwindStep = 5;
    game.keyDirX = 1;
    game.keyDirY = 1;
    struct Case {
        int x;
        int y;
        int expectedX;
        int expectedY;
    };
    const Case cases[] = {
        {151 * 32 - 2, 640, 151 * 32 - 2, 645},
        {161 * 32 - 2, 670, 161 * 32 + 3, 675},
        {170 * 32 + 30, 670, 170 * 32 + 35, 670},
    };
    for (const Case& c : cases) {
        game.whirlwindX = c.x;
        game.whirlwindY = c.y;
        world.stepWorld();
        EXPECT_EQ(game.whirlwindX, c.expectedX) << "from " << c.x << ", " << c.y;
        EXPECT_EQ(game.whirlwindY, c.expectedY) << "from " << c.x << ", " << c.y;
    }
}

TEST(Whirlwind, OffTheMapIsWater) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    game.whirlwindStep = 20;
    game.keyDirX = 1;
    game.keyDirY = 1;
    game.whirlwindX = MapColumns * 32 - 10;
    game.whirlwindY = MapRows * 32 - 10;
    world.stepWorld();
    EXPECT_EQ(game.whirlwindX, MapColumns * 32 - 10);
    EXPECT_EQ(game.whirlwindY, MapRows * 32 - 10);
}

TEST(Whirlwind, WrecksWhatStandsAndLeavesWhatIsDown) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    struct Case {
        std::int32_t standing;
        std::int32_t left;
        bool crash;
    };
    const Case cases[] = {
        {Empty, Empty, false},
        {Tepee, TepeeDown, true},
        {TepeeDown, TepeeDown, false},
        {FarmHouse, FarmHouseDown, true},
        {FarmHouseDown, FarmHouseDown, false},
        {Fence_RLSide, FarmHouseDown, true},
        {Fence_TBSide, FarmHouseDown, true},
        {Fence_TLCorner, FarmHouseDown, true},
        {Fence_TRCorner, FarmHouseDown, true},
        {Fence_BLCorner, FarmHouseDown, true},
        {Fence_BRCorner, FarmHouseDown, true},
    };
    for (const Case& c : cases) {
        game.setStructureAt(6400, 640, c.standing);
        const std::uint32_t crashes = world.plays(GameSound::Crush);
        world.stepWorld();
        EXPECT_EQ(game.structureAt(6400, 640), c.left) << "standing " << c.standing;
        EXPECT_EQ(world.plays(GameSound::Crush), crashes + (c.crash ? 1 : 0))
            << "standing " << c.standing;
        // Staying on the wreck makes no more noise.
        world.stepWorld();
        EXPECT_EQ(world.plays(GameSound::Crush), crashes + (c.crash ? 1 : 0));
    }
}

TEST(Whirlwind, TheWindTakesOneDrawAFrameAndBlowsBelowTen) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    // Look for a state of the generator whose next number is below 10, and one whose next is 10.
    std::uint32_t gust = 0;
    std::uint32_t calm = 0;
    bool foundGust = false;
    bool foundCalm = false;
    setGameRandomState(1);
    while (!foundGust || !foundCalm) {
        const std::uint32_t state = gameRandomState();
        const int draw = gameRandom();
        if (draw < 10 && !foundGust) {
            gust = state;
            foundGust = true;
        } else if (draw == 10 && !foundCalm) {
            calm = state;
            foundCalm = true;
        }
    }

    setGameRandomState(gust);
    world.stepWorld();
    EXPECT_EQ(world.plays(GameSound::Wind), 2u); // with the gust at the end of set-up
    EXPECT_EQ(drawsBetween(gust, gameRandomState()), 1);

    setGameRandomState(calm);
    world.stepWorld();
    EXPECT_EQ(world.plays(GameSound::Wind), 2u);
    EXPECT_EQ(drawsBetween(calm, gameRandomState()), 1);
}

} // namespace
