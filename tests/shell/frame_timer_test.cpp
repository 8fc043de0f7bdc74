// The frame timer says, once a frame, when the machine has no high-resolution counter, and
// otherwise says nothing.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

TEST(FrameTimer, WritesOneLineEachFrameOnlyWithoutACounter) {
    ReadyFolder folder;
    HeadlessGame session(folder.path());
    ASSERT_TRUE(session.start());
    const std::size_t before = headless::debugLines().size();
    ASSERT_TRUE(session.turns(3));
    EXPECT_EQ(headless::debugLines().size(), before);

    headless::setPerformanceCounter(0);
    ASSERT_TRUE(session.turns(3));
    ASSERT_EQ(headless::debugLines().size(), before + 3);
    EXPECT_EQ(headless::debugLines().back(),
              "ERROR: The system does not support high resolution timing\n");
    EXPECT_TRUE(session.game().active); // and the game plays on
}
