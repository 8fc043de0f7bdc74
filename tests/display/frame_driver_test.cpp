// The frame driver: the whirlwind's speed from the frame time, the round clock and its end,
// the menu, the gauges, the panel and the cursor. The gauge's count and the needle's turn from
// frame to frame are pinned by the golden replays' dumps.
#include <gtest/gtest.h>

#include "drawn_game.h"
#include "platform/headless/headless.h"
#include "platform/store.h"
#include "shell/frame_driver.h"
#include "shell/menu_screen.h"
#include "shell/status_panel.h"

namespace {

using Frames = DrawnGame;

TEST_F(Frames, TheWhirlwindsStepFollowsTheLastFrameTime) {
    ASSERT_TRUE(run_.turn());
    const std::pair<std::uint32_t, int> steps[] = {{16, 5},   {50, 5},   {51, 10},  {100, 10},
                                                   {101, 15}, {150, 15}, {151, 20}, {2000, 20}};
    for (const auto& [frameTime, step] : steps) {
        ASSERT_TRUE(run_.turn(frameTime));
        EXPECT_EQ(game().whirlwindStep, step) << frameTime << " ms";
    }
}

TEST_F(Frames, TheRoundClockStandsStillWhileTheMenuIsOpen) {
    ASSERT_TRUE(run_.turns(10, 1000));
    const int left = game().secondsLeft();
    EXPECT_EQ(left, 190);
    game().menuOpen = true;
    ASSERT_TRUE(run_.turns(60, 1000));
    EXPECT_EQ(game().secondsLeft(), left);
    game().menuOpen = false;
    ASSERT_TRUE(run_.turn(16));
    EXPECT_EQ(game().secondsLeft(), left);
}

TEST_F(Frames, TheRoundEndsInTheFirstFrameThatFindsItsTwoHundredSecondsRun) {
    Game& g = game();
    // Set-up leaves the round's start two seconds after the last tick.
    EXPECT_EQ(g.secondsLeft(), 200) << "a round not yet started has all its time";
    ASSERT_TRUE(run_.turn());
    EXPECT_FALSE(g.roundOver) << "the first frame after set-up";
    g.keyDirX = 1;
    // One long frame jumps from 199.5 seconds over the whole 200th second.
    ASSERT_TRUE(run_.turn(199'500 - (g.lastTick - g.roundStartTick)));
    EXPECT_FALSE(g.roundOver);
    ASSERT_TRUE(run_.turn(1'700));
    EXPECT_FALSE(g.roundOver) << "the previous frame's tick decides";
    ASSERT_TRUE(run_.turn(16));
    EXPECT_TRUE(g.roundOver);
    EXPECT_EQ(g.keyDirX, 0);
    EXPECT_EQ(g.secondsLeft(), 0) << "never below zero";
    const std::uint32_t frozen = g.lastTick;
    ASSERT_TRUE(run_.turns(5, 1000));
    EXPECT_EQ(g.lastTick, frozen);
    EXPECT_EQ(g.secondsLeft(), 0);
}

TEST(StatusPanel, TheSpeedBarFollowsTheGaugeAndTheNeedleTurnsClockwise) {
    // The bar grows from 13 rows to 78 and shrinks back.
    for (const auto& [power, top] : {std::pair{0, 720}, {65, 655}, {66, 656}, {129, 719}}) {
        EXPECT_EQ(speedBarRect(power, false).top, top) << power;
    }
    // The bar's sides at power 10, pressed or not, are drawn in the test below.
    EXPECT_EQ(needleEnd(0.0).x, 823);
    EXPECT_EQ(needleEnd(0.0).y, 696);
    EXPECT_EQ(needleEnd(31.4159).x, 703);
}

TEST_F(Frames, DrawTheBarAndTheNeedleInThePanelsRed) {
    Game& g = game();
    const std::uint8_t red = g.palette->nearestIndex({115, 0, 0});
    g.launchPower = 9; // 10 after this frame's step: the bar's top is row 710
    g.launchAngle = 14;
    ASSERT_TRUE(run_.turn());
    // The bar's corners and the needle's end are red, the pixels just past the bar are not.
    const std::tuple<int, int, bool> bar[] = {{838, 710, true},  {864, 732, true},
                                              {767, 755, true},  {838, 709, false},
                                              {865, 732, false}, {864, 733, false}};
    for (const auto& [x, y, isRed] : bar) {
        EXPECT_EQ(pixel(x, y) == red, isRed) << x << "," << y;
    }
    g.speedButtonDown = true;
    ASSERT_TRUE(run_.turn());
    for (const auto& [x, y, isRed] :
         {std::tuple{837, 731, true}, {864, 731, false}, {838, 732, false}}) {
        EXPECT_EQ(pixel(x, y) == red, isRed) << "pressed, " << x << "," << y;
    }
}

TEST(MenuHitTest, TakesEachButtonsEdgesForNoButton) {
    const std::tuple<int, int, int> buttons[] = {
        {340, 300, 0}, {341, 300, 1}, {709, 300, 1}, {710, 300, 0}, {500, 258, 0}, {500, 259, 1},
        {500, 327, 1}, {500, 340, 0}, {500, 348, 2}, {500, 436, 3}, {500, 505, 0}};
    for (const auto& [x, y, button] : buttons) {
        EXPECT_EQ(menuButtonAt(x, y), button) << x << "," << y;
    }
}

TEST_F(Frames, TheMenuOutlinesTheButtonUnderTheCursor) {
    Game& g = game();
    const std::uint8_t red = g.palette->nearestIndex({115, 0, 0});
    g.imageDC->fill(40);
    g.menuOpen = true;
    run_.mouse(500, 380);
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(g.menuChoice, 2);
    // The menu picture, with only the chosen button outlined.
    const std::tuple<int, int, bool> outline[] = {
        {340, 347, true}, {710, 417, true}, {525, 347, true}, {200, 200, false}, {525, 258, false}};
    for (const auto& [x, y, isRed] : outline) {
        EXPECT_EQ(pixel(x, y), isRed ? red : 40) << x << "," << y;
    }

    run_.mouse(340, 380);
    headless::refuseNextDC();
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(g.menuChoice, 2) << "kept while the drawing context is refused";
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(g.menuChoice, 0);
}

TEST_F(Frames, ABeatenBestScoreIsStoredAtOnceAndShownInBothRows) {
    Game& g = game();
    g.bestScore = 1200;
    g.score = 1500;
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(g.bestScore, 1500);
    char stored[20] = {};
    std::size_t length = 0;
    platform::StoreFailure failure;
    ASSERT_EQ(platform::readStoredValue("High Score", stored, sizeof stored, length, failure),
              platform::StoredValue::Found);
    EXPECT_EQ(std::string(stored, length), "1500");
    // The score's row and the best score's row carry the same picture, the seconds' another.
    const auto textRow = [&g](int top) {
        std::vector<std::uint8_t> pixels;
        for (int y = top; y < top + 16; ++y) {
            pixels.insert(pixels.end(), g.backBuffer->row(y) + 400, g.backBuffer->row(y) + 460);
        }
        return pixels;
    };
    EXPECT_TRUE(textRow(647) == textRow(729));
    EXPECT_FALSE(textRow(647) == textRow(674));
}

TEST_F(Frames, TheCursorIsCutAtTheScreensEdges) {
    Game& g = game();
    run_.mouse(5, 760);
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(pixel(0, 760), 111) << "source column 11";
    EXPECT_EQ(pixel(20, 767), 131) << "source column 31";
    EXPECT_NE(pixel(21, 760), 132);
    EXPECT_NE(pixel(0, 759), 111);

    run_.mouse(1020, 100);
    ASSERT_TRUE(run_.turn());
    EXPECT_EQ(pixel(1004, 100), 100);
    EXPECT_EQ(pixel(1023, 131), 119);

    g.showCursor = false;
    headless::setCursor(500, 100);
    ASSERT_TRUE(run_.turn());
    EXPECT_NE(pixel(500, 100), 116) << "no cursor after a key";
}

} // namespace
