// The control panel: choosing a kind, latching the speed, throwing with the direction button,
// and a latch carried onto a kind with nothing caught.
#include <gtest/gtest.h>

#include <cmath>

#include "world/flying_object.h"
#include "world_fixture.h"

namespace {

using platform::EventType;

// Screen points inside the panel's buttons.
constexpr int CowIconX = 900, CowIconY = 660;
constexpr int IndianIconX = 970, IndianIconY = 660;
constexpr int SpeedX = 850, SpeedY = 700;
constexpr int DirectionX = 760, DirectionY = 700;

int flyingCount(const Game& game) {
    int count = 0;
    for (const FlyingObject* object = game.flyingObjects; object != nullptr;
         object = object->getNext()) {
        ++count;
    }
    return count;
}

class Panel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.started());
        headless().turn(); // the first frame after set-up
    }

    HeadlessGame& headless() { return world.headless(); }
    Game& game() { return world.game(); }

    // Presses the left button at a point (moving there first) and runs a frame.
    void pressAt(int x, int y) {
        headless().mouse(x, y);
        headless().send(EventType::LeftButtonDown);
        headless().turn();
    }
    // Moves there with the left button held and runs a frame.
    void dragTo(int x, int y) {
        headless().mouse(x, y);
        headless().turn();
    }
    void release() {
        headless().send(EventType::LeftButtonUp);
        headless().turn();
    }

    GameFolder folder;
    World world{folder};
};

TEST_F(Panel, ThrowsACaughtCowAtPowerSixtyFiveDueEast) {
    game().caught = {0, 0, 1, 0};
    pressAt(CowIconX, CowIconY);
    EXPECT_EQ(game().selectedKind, Cow);
    release();
    EXPECT_EQ(game().heldKind, Cow);

    game().launchPower = 65;
    pressAt(SpeedX, SpeedY);
    EXPECT_TRUE(game().speedButtonDown);
    EXPECT_EQ(game().launchPower, 65); // the gauge stands while the button is down
    release();
    EXPECT_TRUE(game().speedLatched);
    EXPECT_TRUE(game().speedButtonDown);

    pressAt(DirectionX, DirectionY);
    EXPECT_TRUE(game().directionButtonDown);
    EXPECT_EQ(game().launchPower, 65);
    EXPECT_EQ(flyingCount(game()), 0);

    const std::uint32_t moos = world.plays(GameSound::Cow);
    game().launchAngle = 0;
    release();
    EXPECT_FALSE(game().speedButtonDown);
    EXPECT_FALSE(game().directionButtonDown);
    EXPECT_FALSE(game().speedLatched);
    EXPECT_EQ(game().caught[Cow - 1], 0);
    EXPECT_EQ(world.plays(GameSound::Cow), moos + 1);
    ASSERT_EQ(flyingCount(game()), 1);
    const FlyingObject& cow = *game().flyingObjects;
    EXPECT_EQ(cow.sprite, 4); // Flying_Cow
    EXPECT_DOUBLE_EQ(cow.vx, 6.5);
    EXPECT_EQ(cow.vy, 0.0);
    // It left from the middle of the whirlwind and made its first move in the same frame.
    EXPECT_DOUBLE_EQ(cow.x, 6400 + 15 + 6.5);
    EXPECT_DOUBLE_EQ(cow.y, 640 + 15);
    EXPECT_EQ(cow.airTime, 99);
    EXPECT_EQ(cow.lifeTime, 999);

    // Aloft for 99 frames in all, then lying where it fell.
    headless().turns(98);
    EXPECT_DOUBLE_EQ(cow.x, 6415 + 99 * 6.5);
    EXPECT_EQ(cow.sprite, 5); // Fallen_Cow
    const std::uint32_t splats = world.plays(GameSound::Splat);
    headless().turns(1);
    EXPECT_DOUBLE_EQ(cow.x, 6415 + 99 * 6.5);
    EXPECT_EQ(world.plays(GameSound::Splat), splats);
    headless().turns(1);
    EXPECT_EQ(world.plays(GameSound::Splat), splats + 1);
    EXPECT_EQ(game().score, 0); // far from the target
}

TEST_F(Panel, SpeedButtonNeedsACaughtFigureOfTheSelectedKind) {
    pressAt(SpeedX, SpeedY); // cows are selected at the start, none caught
    EXPECT_FALSE(game().speedButtonDown);
    release();
    EXPECT_FALSE(game().speedLatched);

    // The direction button alone throws nothing.
    pressAt(DirectionX, DirectionY);
    EXPECT_FALSE(game().directionButtonDown);
    release();
    EXPECT_EQ(flyingCount(game()), 0);
    EXPECT_EQ(game().caught[Cow - 1], 0);
}

TEST_F(Panel, TheLatchFreezesTheSelectionAndPressingElsewhereLetsGoBeforeIt) {
    game().caught = {1, 0, 1, 0};
    pressAt(SpeedX, SpeedY);
    EXPECT_TRUE(game().speedButtonDown);
    dragTo(500, 300); // off the button before letting go: no latch
    EXPECT_FALSE(game().speedButtonDown);
    release();
    EXPECT_FALSE(game().speedLatched);

    pressAt(SpeedX, SpeedY);
    release();
    ASSERT_TRUE(game().speedLatched);
    pressAt(IndianIconX, IndianIconY);
    EXPECT_EQ(game().selectedKind, Cow);
    EXPECT_TRUE(game().speedButtonDown);
    release();
    EXPECT_EQ(game().heldKind, Cow);
}

TEST_F(Panel, ALatchCarriedOntoAKindWithNothingCaughtThrowsNothing) {
    game().caught = {0, 0, 1, 0};
    pressAt(SpeedX, SpeedY); // cows selected, one caught: pressed
    ASSERT_TRUE(game().speedButtonDown);
    dragTo(IndianIconX, IndianIconY); // no Indian caught: the button stays down
    EXPECT_EQ(game().selectedKind, Indian);
    EXPECT_TRUE(game().speedButtonDown);
    release();
    ASSERT_TRUE(game().speedLatched);

    pressAt(DirectionX, DirectionY);
    EXPECT_TRUE(game().directionButtonDown);
    const auto playsBefore = game().soundPlays;
    const std::int32_t scoreBefore = game().score;
    release();
    EXPECT_FALSE(game().speedButtonDown);
    EXPECT_FALSE(game().directionButtonDown);
    EXPECT_FALSE(game().speedLatched);
    EXPECT_EQ(game().caught, (std::array<std::int32_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(flyingCount(game()), 0);
    EXPECT_EQ(game().soundPlays[static_cast<int>(GameSound::Indian)],
              playsBefore[static_cast<int>(GameSound::Indian)]);
    EXPECT_EQ(game().score, scoreBefore);

    // The panel works as before afterwards: the cow can still be thrown.
    pressAt(CowIconX, CowIconY);
    release();
    pressAt(SpeedX, SpeedY);
    release();
    pressAt(DirectionX, DirectionY);
    release();
    EXPECT_EQ(game().caught[Cow - 1], 0);
    EXPECT_EQ(flyingCount(game()), 1);
}

TEST(Throw, SpeedPeaksAtPowerSixtyFiveAndTheAngleTurnsATenthOfARadian) {
    GameFolder folder;
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    struct Case {
        double power;
        double angle;
        double vx;
        double vy;
    };
    const Case cases[] = {
        {65, 0, 6.5, 0},
        {66, 0, 6.4, 0},
        {129, 0, 0.1, 0},
        {0, 0, 0, 0},
        {10, 15, std::cos(1.5), std::sin(1.5)},         // 1.5 radians: nearly due south
        {20, 31, 2 * std::cos(3.1), 2 * std::sin(3.1)}, // nearly due west
    };
    for (const Case& c : cases) {
        game.launchPower = c.power;
        game.launchAngle = c.angle;
        game.launchFlyingObject(Farmer);
        const FlyingObject& object = *game.flyingObjects;
        EXPECT_NEAR(object.vx, c.vx, 1e-12) << "power " << c.power << ", angle " << c.angle;
        EXPECT_NEAR(object.vy, c.vy, 1e-12) << "power " << c.power << ", angle " << c.angle;
        EXPECT_EQ(object.x, 6415);
        EXPECT_EQ(object.y, 655);
        EXPECT_EQ(object.sprite, 2); // Flying_Farmer
    }
    EXPECT_EQ(flyingCount(game), 6);
}

} // namespace
