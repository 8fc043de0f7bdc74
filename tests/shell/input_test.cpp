// Keys, mouse, minimise and close, as the window procedure turns them into the game's input.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "platform/headless/headless.h"
#include "shell/game.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

using platform::EventType;

class Input : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session.start()); }
    Game& game() { return session.game(); }
    void keyDown(int key) { session.key(EventType::KeyDown, key); }
    void keyUp(int key) { session.key(EventType::KeyUp, key); }
    std::pair<int, int> steering() { return {game().keyDirX, game().keyDirY}; }

    ReadyFolder folder;
    HeadlessGame session{folder.path()};
};

TEST_F(Input, EscapeOpensTheMenuAndEscapeAgainQuits) {
    keyDown(platform::KeyEscape);
    ASSERT_TRUE(session.turn());
    EXPECT_TRUE(game().menuOpen);
    keyDown(platform::KeyEscape);
    EXPECT_FALSE(session.turn()); // close, the window's end and the quit, all in one turn
    EXPECT_FALSE(headless::windowExists());
}

TEST_F(Input, ArrowsSteerAndReleasingEitherArrowOfAPairStopsThatAxisEvenInTheMenu) {
    keyDown(platform::KeyRight);
    keyDown(platform::KeyDown);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(steering(), (std::pair{1, 1}));

    // Right still held: pressing and releasing Left stops the x motion all the same.
    keyDown(platform::KeyLeft);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(game().keyDirX, -1);
    keyUp(platform::KeyLeft);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(steering(), (std::pair{0, 1}));
    keyDown(platform::KeyRight); // a repeated key-down of the held key starts it again
    keyUp(platform::KeyUp);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(steering(), (std::pair{1, 0}));

    // With the menu open new arrows are ignored, but releasing one still stops.
    keyDown(platform::KeyEscape);
    ASSERT_TRUE(session.turn());
    ASSERT_TRUE(game().menuOpen);
    keyDown(platform::KeyUp);
    keyUp(platform::KeyRight);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(steering(), (std::pair{0, 0}));
}

TEST_F(Input, AfterTheRoundArrowsAreIgnoredAndEscapeStillOpensTheMenu) {
    game().roundOver = true;
    game().keyDirX = 0;
    keyDown(platform::KeyLeft);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(game().keyDirX, 0);
    game().keyDirY = 1; // a key-up after the round changes nothing either
    keyUp(platform::KeyDown);
    keyDown(platform::KeyEscape);
    ASSERT_TRUE(session.turn());
    EXPECT_EQ(game().keyDirY, 1);
    EXPECT_TRUE(game().menuOpen);
}

TEST_F(Input, AnyKeyHidesTheCursorAndAnyMouseUseShowsIt) {
    keyDown(65);
    ASSERT_TRUE(session.turn());
    EXPECT_FALSE(game().showCursor);
    session.mouse(100, 100);
    ASSERT_TRUE(session.turn());
    EXPECT_TRUE(game().showCursor);
    keyUp(65);
    keyDown(platform::KeyDown);
    session.send(EventType::RightButtonDown);
    ASSERT_TRUE(session.turn());
    EXPECT_TRUE(game().showCursor);
    EXPECT_TRUE(game().rightButtonDown);
    keyDown(platform::KeyUp);
    session.send(EventType::RightButtonUp);
    ASSERT_TRUE(session.turn());
    EXPECT_FALSE(game().showCursor);
    EXPECT_FALSE(game().rightButtonDown);
}

TEST_F(Input, MenuButtonsActOnReleaseAndLeaveNoButtonHeld) {
    // New game on a release alone; resume, and a click beside the buttons, on whole clicks.
    for (const auto& [choice, click, stillOpen] :
         {std::tuple{1, false, false}, {2, true, false}, {0, true, true}}) {
        game().menuOpen = true;
        game().score = 90;
        game().menuChoice = choice;
        game().leftButtonDown = true;
        if (click) {
            session.send(EventType::LeftButtonDown);
        }
        session.send(EventType::LeftButtonUp);
        ASSERT_TRUE(session.handleEventsOnly());
        EXPECT_EQ(game().menuOpen, stillOpen) << choice;
        EXPECT_EQ(game().score, choice == 1 ? 0 : 90) << choice;
        EXPECT_FALSE(game().leftButtonDown) << choice;
    }
    game().menuChoice = 3;
    session.send(EventType::LeftButtonUp);
    EXPECT_FALSE(session.handleEventsOnly()); // quit
}

TEST_F(Input, MinimisingStopsTheFramesAndRestoringStartsThem) {
    ASSERT_TRUE(session.turns(3));
    const int frames = headless::presentCount();
    EXPECT_EQ(frames, 4); // the splash and three frames
    headless::queueEvent({EventType::Activate, 0, true});
    ASSERT_TRUE(session.turns(5));
    EXPECT_FALSE(game().active);
    EXPECT_EQ(headless::presentCount(), frames);
    headless::queueEvent({EventType::Activate, 0, false});
    ASSERT_TRUE(session.turns(2));
    EXPECT_EQ(headless::presentCount(), frames + 2);
}
