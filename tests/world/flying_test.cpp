// Thrown figures: their life of a thousand frames, the landing and its score by the rings
// around the target, and the list they live in, newest first.
#include <gtest/gtest.h>

#include <vector>

#include "world/flying_object.h"
#include "world/scoring.h"
#include "world_fixture.h"

namespace {

// A figure lying here has its picture centred on the target.
constexpr double BullX = 6715;
constexpr double BullY = 699;

TEST(LandingScore, RingsIncludeTheirOuterEdge) {
    struct Case {
        double distance;
        std::int32_t points;
    };
    const Case cases[] = {
        {0, 100},  {17, 100},   {17.01, 50}, {42, 50},    {42.01, 25}, {75, 25},    {75.01, 10},
        {107, 10}, {107.01, 5}, {139, 5},    {139.01, 1}, {172, 1},    {172.01, 0}, {5000, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(landingScore(BullX + c.distance, BullY), c.points) << "east " << c.distance;
        EXPECT_EQ(landingScore(BullX, BullY - c.distance), c.points) << "north " << c.distance;
    }
    // 3-4-5: a landing 85 pixels away on the diagonal.
    EXPECT_EQ(landingScore(BullX - 51, BullY + 68), 10);
}

class Flying : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.started()); }
    Game& game() { return world.game(); }

    // A figure already lying on the ground, one frame before its landing.
    FlyingObject* lyingAt(double x, double y) {
        auto* object = new FlyingObject(0, 0, x, y, game().flyingObjects, Indian);
        object->airTime = 0;
        object->lifeTime = 900;
        game().flyingObjects = object;
        return object;
    }

    std::vector<const FlyingObject*> list() {
        std::vector<const FlyingObject*> objects;
        for (const FlyingObject* object = game().flyingObjects; object != nullptr;
             object = object->getNext()) {
            objects.push_back(object);
        }
        return objects;
    }

    void update() { game().updateFlyingObjects(0, 0); }

    GameFolder folder;
    World world{folder};
};

TEST_F(Flying, AThrowFliesNinetyNineFramesLandsOnTheHundredAndFirstAndGoesAtTheThousandth) {
    game().launchPower = 30;
    game().launchAngle = 0;
    game().launchFlyingObject(CowBoy);
    const FlyingObject& cowboy = *game().flyingObjects;
    const std::uint32_t splats = world.plays(GameSound::Splat);
    for (int frame = 1; frame <= 999; ++frame) {
        update();
        ASSERT_EQ(list().size(), 1u) << "frame " << frame;
        EXPECT_EQ(cowboy.lifeTime, 1000 - frame);
        EXPECT_DOUBLE_EQ(cowboy.x, 6415 + 3.0 * std::min(frame, 99)) << "frame " << frame;
        EXPECT_EQ(cowboy.sprite, frame < 99 ? 6 : 7) << "frame " << frame; // flying, fallen
        EXPECT_EQ(world.plays(GameSound::Splat), splats + (frame >= 101 ? 1 : 0))
            << "frame " << frame;
    }
    update();
    EXPECT_EQ(game().flyingObjects, nullptr);
}

TEST_F(Flying, TwoLandingsInOneFrameBothScoreEvenOutOfSight) {
    game().whirlwindX = 1000; // the target is far out of the view
    game().whirlwindY = 1000;
    lyingAt(BullX + 3, BullY + 4); // 5 pixels off: 100
    lyingAt(BullX - 30, BullY);    // 30 pixels off: 50
    const std::uint32_t splats = world.plays(GameSound::Splat);
    update();
    EXPECT_EQ(game().score, 150);
    EXPECT_EQ(world.plays(GameSound::Splat), splats + 2);
    update();
    EXPECT_EQ(game().score, 150);
}

TEST_F(Flying, ExpiredObjectsLeaveTheRestOfTheListInOrder) {
    std::vector<FlyingObject*> made;
    for (int i = 0; i < 5; ++i) {
        made.insert(made.begin(), lyingAt(100.0 * i, 0));
        made.front()->lifeTime = 500;
    }
    ASSERT_EQ(list(), std::vector<const FlyingObject*>(made.begin(), made.end()));
    // The head, one in the middle and the last are at the end of their lives.
    for (int i : {0, 2, 4}) {
        made[i]->lifeTime = 1;
    }
    update();
    EXPECT_EQ(list(), (std::vector<const FlyingObject*>{made[1], made[3]}));
    EXPECT_EQ(made[1]->lifeTime, 499);
    EXPECT_EQ(made[3]->lifeTime, 499);
    EXPECT_EQ(made[3]->getNext(), nullptr);

    made[1]->lifeTime = 1;
    made[3]->lifeTime = 1;
    update();
    EXPECT_EQ(game().flyingObjects, nullptr);
}

} // namespace
