// Landings: the rings around the target, two landings in one frame, and expired objects
// leaving the list of thrown figures intact.
#include <gtest/gtest.h>

#include <vector>

#include "world/flying_object.h"
#include "world/scoring.h"
#include "world_fixture.h"

namespace {

// A figure lying here has its picture centred on the target.
constexpr double BullX = 6715;
constexpr double BullY = 699;

TEST(Landing, RingsIncludeTheirOuterEdge) {
    const double cases[][2] = {{0, 100},  {17, 100}, {17.01, 50}, {42, 50},   {75, 25},
                               {107, 10}, {139, 5},  {172, 1},    {172.01, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(landingScore(BullX + c[0], BullY), c[1]) << "east " << c[0];
        EXPECT_EQ(landingScore(BullX, BullY - c[0]), c[1]) << "north " << c[0];
    }
    EXPECT_EQ(landingScore(BullX - 51, BullY + 68), 10); // 85 away on a slant
}

class Flying : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.started()); }
    Game& game() { return world.game(); }

    // A figure lying on the ground with the given frames of life left.
    FlyingObject* lyingAt(double x, double y, std::int32_t life) {
        auto* object = new FlyingObject(0, 0, x, y, game().flyingObjects, Indian);
        object->airTime = 0;
        object->lifeTime = life;
        return game().flyingObjects = object;
    }
    std::vector<const FlyingObject*> list() {
        std::vector<const FlyingObject*> objects;
        for (const FlyingObject* o = game().flyingObjects; o != nullptr; o = o->getNext()) {
            objects.push_back(o);
        }
        return objects;
    }

    World world;
};

TEST_F(Flying, TwoLandingsInOneFrameBothScoreEvenOutOfSight) {
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

TEST_F(Flying, ExpiredObjectsLeaveTheRestOfTheListInOrder) {
    // Newest first: the head, one in the middle and the last are at the end of their lives.
    lyingAt(0, 0, 1);
    FlyingObject* older = lyingAt(0, 0, 500);
    lyingAt(0, 0, 1);
    FlyingObject* newer = lyingAt(0, 0, 500);
    lyingAt(0, 0, 1);
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(list(), (std::vector<const FlyingObject*>{newer, older}));
    EXPECT_EQ(older->getNext(), nullptr);
    EXPECT_EQ(older->lifeTime, 499);
    newer->lifeTime = older->lifeTime = 1;
    game().updateFlyingObjects(0, 0);
    EXPECT_EQ(game().flyingObjects, nullptr);
}

} // namespace
