// Where the game's screen lies on outputs of other sizes, fitted or by whole multiples, and
// which game point lies under an output point, bars included.
#include <gtest/gtest.h>

#include "platform/frame_placement.h"

namespace {

using platform::Placement;
using platform::Point;

struct PlacementCase {
    int width;
    int height;
    bool integer;
    Placement expected;
};

TEST(FramePlacement, FitsOrTakesTheLargestWholeMultipleCentred) {
    const PlacementCase cases[] = {
        {1024, 768, false, {0, 0, 1024, 768}},
        {1920, 1080, false, {240, 0, 1440, 1080}}, // 1.41 times, bars left and right
        {1920, 1080, true, {448, 156, 1024, 768}},
        {2560, 1600, true, {256, 32, 2048, 1536}},
        {1000, 1000, false, {0, 125, 1000, 750}}, // bars above and below
        {800, 600, true, {0, 0, 800, 600}},       // no whole multiple fits: fitted
        {0, 600, false, {0, 0, 1024, 768}},
    };
    for (const PlacementCase& c : cases) {
        EXPECT_EQ(platform::placeScreen(c.width, c.height, c.integer), c.expected)
            << c.width << " x " << c.height << (c.integer ? " integer" : " fit");
    }
}

TEST(FramePlacement, MapsOutputPointsBackOntoTheGameScreen) {
    const Placement fitted = platform::placeScreen(1920, 1080, false);
    EXPECT_EQ(platform::screenPoint(fitted, 240, 0), (Point{0, 0}));
    EXPECT_EQ(platform::screenPoint(fitted, 240 + 1439, 1079), (Point{1023, 767}));
    EXPECT_EQ(platform::screenPoint(fitted, 960, 540), (Point{512, 384}));
    EXPECT_EQ(platform::screenPoint(fitted, 10, 540), (Point{0, 384})) << "left bar";
    EXPECT_EQ(platform::screenPoint(fitted, 1910, 2000), (Point{1023, 767})) << "beyond";
    const Placement doubled = platform::placeScreen(2048, 1536, true);
    EXPECT_EQ(platform::screenPoint(doubled, 1, 3), (Point{0, 1}));
}

} // namespace
