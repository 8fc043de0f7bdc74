// Throwing from the panel: a cow at power 65 due east, and a latch carried onto a kind with
// nothing caught, which throws nothing.
#include <gtest/gtest.h>

#include "world/flying_object.h"
#include "world_fixture.h"

namespace {

using platform::EventType;

class Panel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.started());
        world.headless().turn(); // the first frame after set-up
    }
    Game& game() { return world.game(); }

    // Moves there, presses or lets go of the left button, and runs a frame.
    void press(int x, int y) {
        world.headless().mouse(x, y);
        world.headless().send(EventType::LeftButtonDown);
        world.headless().turn();
    }
    void dragTo(int x, int y) {
        world.headless().mouse(x, y);
        world.headless().turn();
    }
    void release() {
        world.headless().send(EventType::LeftButtonUp);
        world.headless().turn();
    }
    void click(int x, int y) {
        press(x, y);
        release();
    }

    static constexpr int CowIcon[] = {900, 660};
    static constexpr int IndianIcon[] = {970, 660};
    static constexpr int Speed[] = {850, 700};
    static constexpr int Direction[] = {760, 700};

    World world;
};

TEST_F(Panel, ThrowsACaughtCowAtPowerSixtyFiveDueEast) {
    game().caught = {0, 0, 1, 0};
    click(CowIcon[0], CowIcon[1]);
    game().launchPower = 65;
    click(Speed[0], Speed[1]);
    EXPECT_TRUE(game().speedLatched);
    press(Direction[0], Direction[1]);
    EXPECT_EQ(game().launchPower, 65); // the gauge stands while the speed button is down
    ASSERT_EQ(game().flyingObjects, nullptr);
    const std::uint32_t moos = world.plays(GameSound::Cow);
    game().launchAngle = 0;
    release();

    EXPECT_FALSE(game().speedButtonDown || game().directionButtonDown || game().speedLatched);
    EXPECT_EQ(game().caught[Cow - 1], 0);
    EXPECT_EQ(world.plays(GameSound::Cow), moos + 1);
    ASSERT_NE(game().flyingObjects, nullptr);
    const FlyingObject& cow = *game().flyingObjects;
    EXPECT_EQ(cow.getNext(), nullptr);
    EXPECT_EQ(cow.vx, 6.5);
    EXPECT_EQ(cow.vy, 0.0);
    // From the middle of the whirlwind, with its first move made in the frame of the throw.
    EXPECT_EQ(cow.x, 6400 + 15 + 6.5);
    EXPECT_EQ(cow.y, 640 + 15);
    EXPECT_EQ(cow.sprite, 4); // Flying_Cow

    world.headless().turns(98); // aloft for 99 frames in all, then it lies still
    EXPECT_DOUBLE_EQ(cow.x, 6415 + 99 * 6.5);
    EXPECT_EQ(cow.sprite, 5); // Fallen_Cow
    const std::uint32_t splats = world.plays(GameSound::Splat);
    world.headless().turns(1);
    EXPECT_DOUBLE_EQ(cow.x, 6415 + 99 * 6.5);
    EXPECT_EQ(world.plays(GameSound::Splat), splats);
    world.headless().turns(1);
    EXPECT_EQ(world.plays(GameSound::Splat), splats + 1);
}

TEST_F(Panel, ALatchCarriedOntoAKindWithNothingCaughtThrowsNothing) {
    game().caught = {0, 0, 1, 0};
    press(Speed[0], Speed[1]); // cows are selected at the start: pressed
    ASSERT_TRUE(game().speedButtonDown);
    dragTo(IndianIcon[0], IndianIcon[1]); // no Indian caught: the button stays down
    EXPECT_EQ(game().selectedKind, Indian);
    release();
    ASSERT_TRUE(game().speedLatched);
    press(Direction[0], Direction[1]);
    ASSERT_TRUE(game().directionButtonDown);
    const std::uint32_t calls = world.plays(GameSound::Indian);
    release();

    EXPECT_FALSE(game().speedButtonDown || game().directionButtonDown || game().speedLatched);
    EXPECT_EQ(game().caught, (std::array<std::int32_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(game().flyingObjects, nullptr);
    EXPECT_EQ(world.plays(GameSound::Indian), calls);
    EXPECT_EQ(game().score, 0);

    // The panel works on as before: the cow can still be thrown.
    click(CowIcon[0], CowIcon[1]);
    click(Speed[0], Speed[1]);
    click(Direction[0], Direction[1]);
    EXPECT_EQ(game().caught[Cow - 1], 0);
    EXPECT_NE(game().flyingObjects, nullptr);
}

} // namespace
