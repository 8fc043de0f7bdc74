// The whirlwind's move: keys and right-mouse steering, blocking ground, wrecking. The wind's
// one draw a frame and its gusts are pinned by the golden replays' generator and sound counts.
#include <gtest/gtest.h>

#include "world_fixture.h"

namespace {

using Whirlwind = WorldTest;

TEST_F(Whirlwind, KeysAndMouseAddUpWithTheOuterMouseRuleReplacingTheInner) {
    HeadlessGame& headless = world.headless();
    headless.turn(); // the first frame after set-up is a long one
    headless.key(platform::EventType::KeyDown, platform::KeyRight);
    headless.send(platform::EventType::RightButtonDown);
    headless.mouse(700, 288);
    headless.turn(60); // steps of 10: key 10, mouse 10 + 5
    EXPECT_EQ(game().whirlwindX, 6400 + 25);
    EXPECT_EQ(game().whirlwindY, 640);
    headless.mouse(530, 100);
    headless.turn(16); // steps of 5: key 5, x = 530 is neutral, y up by 5 + 2
    EXPECT_EQ(game().whirlwindX, 6425 + 5);
    EXPECT_EQ(game().whirlwindY, 640 - 7);
}

TEST(WhirlwindOnItsOwnMap, BlockingGroundHoldsBackEachAxisOnItsOwn) {
    GameFolder folder;
    folder.setGround(151, 20, Ground::Building); // right of the first start: it slides down
    folder.setGround(161, 21, Ground::Water);    // touches the second only at a corner: it passes
    folder.setGround(170, 21, Ground::Collumn);  // below the third: it slides right
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    game.whirlwindStep = 5;
    game.keyDirX = game.keyDirY = 1;
    const int cases[][4] = {
        {151 * 32 - 2, 640, 151 * 32 - 2, 645},
        {161 * 32 - 2, 670, 161 * 32 + 3, 675},
        {170 * 32 + 30, 670, 170 * 32 + 35, 670},
    };
    for (const auto& c : cases) {
        game.whirlwindX = c[0];
        game.whirlwindY = c[1];
        world.stepWorld();
        EXPECT_EQ(game.whirlwindX, c[2]) << "from " << c[0] << ", " << c[1];
        EXPECT_EQ(game.whirlwindY, c[3]) << "from " << c[0] << ", " << c[1];
    }
}

TEST_F(Whirlwind, KnocksDownWhatStandsWithOneCrashAndLeavesWhatIsDown) {
    const std::int32_t cases[][2] = {{Structure::Tepee, Structure::TepeeDown},
                                     {Structure::TepeeDown, Structure::TepeeDown},
                                     {Structure::FarmHouse, Structure::FarmHouseDown},
                                     {Structure::FarmHouseDown, Structure::FarmHouseDown},
                                     {Structure::Fence_RLSide, Structure::FarmHouseDown},
                                     {Structure::Fence_BRCorner, Structure::FarmHouseDown}};
    for (const auto& c : cases) {
        game().setStructureAt(6400, 640, c[0]);
        const std::uint32_t crashes = world.plays(GameSound::Crush);
        world.stepWorld();
        world.stepWorld();
        EXPECT_EQ(game().structureAt(6400, 640), c[1]) << "standing " << c[0];
        EXPECT_EQ(world.plays(GameSound::Crush), crashes + (c[0] != c[1] ? 1 : 0));
    }
}

} // namespace
