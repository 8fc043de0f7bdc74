// Throwing from the panel and landing: a cow at power 65 due east, the speed on both sides of
// the power gauge's peak, a latch carried onto a kind with nothing caught, the rings around the
// target, two landings in one frame, and expired figures leaving the list of thrown figures
// intact.
#include <gtest/gtest.h>

#include <vector>

#include "world/flying_object.h"
#include "world/scoring.h"
#include "world_fixture.h"

namespace {

using platform::EventType;

// A figure lying here has its picture centred on the target.
constexpr double BullX = 6715;
constexpr double BullY = 699;

constexpr int CowIcon[] = {900, 660};
constexpr int IndianIcon[] = {970, 660};
constexpr int Speed[] = {850, 700};
constexpr int Direction[] = {760, 700};

class Throwing : public WorldTest {
protected:
    // Moves the mouse there, presses or lets go of the left button, and runs a frame.
    void press(const int* at) {
        world.headless().mouse(at[0], at[1]);
        world.headless().send(EventType::LeftButtonDown);
        world.headless().turn();
    }
    void release() {
        world.headless().send(EventType::LeftButtonUp);
        world.headless().turn();
    }
    void click(const int* at) {
        press(at);
        release();
    }
    void expectPanelAtRest() {
        EXPECT_FALSE(game().speedButtonDown || game().directionButtonDown || game().speedLatched);
    }

    // A figure lying on the ground with the given frames of life left.
    FlyingObject* lyingAt(double x, double y, std::int32_t life) {
        FlyingObject& object = game().flyingObjects.emplace_front(0, 0, x, y, ActorKind::Indian);
        object.airTime = 0;
        object.lifeTime = life;
        return &object;
    }
};

TEST_F(Throwing, ACaughtCowGoesAtPowerSixtyFiveDueEast) {
    world.headless().turn(); // the first frame after set-up
    game().caught = {0, 0, 1, 0};
    click(CowIcon);
    game().launchPower = 65;
    click(Speed);
    EXPECT_TRUE(game().speedLatched);
    press(Direction);
    EXPECT_EQ(game().launchPower, 65); // the gauge stands while the speed button is down
    ASSERT_TRUE(game().flyingObjects.empty());
    const std::uint32_t moos = world.plays(GameSound::Cow);
    game().launchAngle = 0;
    release();

    expectPanelAtRest();
    EXPECT_EQ(game().caught[kindIndex(ActorKind::Cow)], 0);
    EXPECT_EQ(world.plays(GameSound::Cow), moos + 1);
    ASSERT_EQ(game().flyingObjects.size(), 1u);
    const FlyingObject& cow = game().flyingObjects.front();
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

// The power gauge runs 0..129: the speed rises by a tenth a step to 6.5 at 65, then falls back.
TEST_F(Throwing, TheThrowWeakensAgainPastThePeakOfThePowerGauge) {
    const double cases[][2] = {{0, 0},    {1, 0.1},   {64, 6.4},  {65, 6.5},
                               {66, 6.4}, {100, 3.0}, {128, 0.2}, {129, 0.1}};
    game().launchAngle = 0;
    for (const auto& c : cases) {
        game().launchPower = c[0];
        game().launchFlyingObject(ActorKind::Farmer);
        EXPECT_NEAR(game().flyingObjects.front().vx, c[1], 1e-12) << "power " << c[0];
        EXPECT_EQ(game().flyingObjects.front().vy, 0.0);
    }
}

TEST_F(Throwing, ALatchCarriedOntoAKindWithNothingCaughtThrowsNothing) {
    world.headless().turn();
    game().caught = {0, 0, 1, 0};
    press(Speed); // cows are selected at the start: pressed
    ASSERT_TRUE(game().speedButtonDown);
    world.headless().mouse(IndianIcon[0], IndianIcon[1]); // none caught: the button stays down
    world.headless().turn();
    EXPECT_EQ(game().selectedKind, ActorKind::Indian);
    release();
    ASSERT_TRUE(game().speedLatched);
    press(Direction);
    ASSERT_TRUE(game().directionButtonDown);
    const std::uint32_t calls = world.plays(GameSound::Indian);
    release();

    expectPanelAtRest();
    EXPECT_EQ(game().caught, (std::array<std::int32_t, 4>{0, 0, 1, 0}));
    EXPECT_TRUE(game().flyingObjects.empty());
    EXPECT_EQ(world.plays(GameSound::Indian), calls);
    EXPECT_EQ(game().score, 0);

    // The panel works on as before: the cow can still be thrown.
    click(CowIcon);
    click(Speed);
    click(Direction);
    EXPECT_EQ(game().caught[kindIndex(ActorKind::Cow)], 0);
    EXPECT_FALSE(game().flyingObjects.empty());
}

TEST(Landing, RingsIncludeTheirOuterEdge) {
    const double cases[][2] = {{0, 100},  {17, 100}, {17.01, 50}, {42, 50},   {75, 25},
                               {107, 10}, {139, 5},  {172, 1},    {172.01, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(landingScore(BullX + c[0], BullY), c[1]) << "east " << c[0];
        EXPECT_EQ(landingScore(BullX, BullY - c[0]), c[1]) << "north " << c[0];
    }
    EXPECT_EQ(landingScore(BullX - 51, BullY + 68), 10); // 85 away on a slant
}

TEST_F(Throwing, TwoLandingsInOneFrameBothScoreEvenOutOfSight) {
    game().whirlwindX = game().whirlwindY = 1000; // the target is far out of view
    lyingAt(BullX + 3, BullY + 4, 900);           // 5 away: 100
    lyingAt(BullX - 30, BullY, 900);              // 30 away: 50
    const std::uint32_t splats = world.plays(GameSound::Splat);
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(game().score, 150);
    EXPECT_EQ(world.plays(GameSound::Splat), splats + 2);
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(game().score, 150);
}

TEST_F(Throwing, ExpiredObjectsLeaveTheRestOfTheListInOrder) {
    // Newest first: the head, one in the middle and the last are at the end of their lives.
    const auto order = [this] {
        std::vector<const FlyingObject*> objects;
        for (const FlyingObject& object : game().flyingObjects) {
            objects.push_back(&object);
        }
        return objects;
    };
    lyingAt(0, 0, 1);
    FlyingObject* older = lyingAt(0, 0, 500);
    lyingAt(0, 0, 1);
    FlyingObject* newer = lyingAt(0, 0, 500);
    lyingAt(0, 0, 1);
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(order(), (std::vector<const FlyingObject*>{newer, older}));
    EXPECT_EQ(older->lifeTime, 499);
    // Two ending one after the other, behind one that stays.
    lyingAt(0, 0, 1);
    lyingAt(0, 0, 1);
    FlyingObject* front = lyingAt(0, 0, 500);
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(order(), (std::vector<const FlyingObject*>{front, newer, older}));
    front->lifeTime = newer->lifeTime = older->lifeTime = 1;
    game().updateFlyingObjects(0, 0);
    EXPECT_TRUE(game().flyingObjects.empty());
}

} // namespace
