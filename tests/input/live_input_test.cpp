// The live input queue: the click rule, and the cursor a pad moves.
#include <gtest/gtest.h>
#include <string>

#include "platform/live_input.h"

namespace {

using platform::EventType;

// The events of each turn of the loop until nothing waits, turns parted by '|'.
std::string turns(platform::LiveInput& input) {
    std::string text;
    for (int turn = 0; turn < 8 && input.waiting(); ++turn) {
        platform::Event event;
        while (input.take(event)) {
            text += std::to_string(static_cast<int>(event.type)) + ' ';
        }
        text += "| ";
    }
    return text;
}

TEST(ClickRule, EveryChangeOfAButtonIsSeenByAFrame) {
    const int L = static_cast<int>(EventType::LeftButtonDown);
    struct Row {
        std::vector<EventType> events;
        std::string expected;
    };
    const std::string down = std::to_string(L) + ' ';
    const std::string up = std::to_string(L + 1) + ' ';
    const std::string rdown = std::to_string(L + 2) + ' ';
    const std::string rup = std::to_string(L + 3) + ' ';
    const std::string move = std::to_string(static_cast<int>(EventType::MouseMove)) + ' ';
    const Row rows[] = {
        {{EventType::LeftButtonDown, EventType::LeftButtonUp, EventType::MouseMove},
         down + "| " + up + move + "| "},
        {{EventType::RightButtonDown, EventType::RightButtonUp}, rdown + "| " + rup + "| "},
        // A press that follows a release waits as well; the other button does not.
        {{EventType::LeftButtonUp, EventType::RightButtonDown, EventType::LeftButtonDown},
         up + rdown + "| " + down + "| "},
        // Two clicks together: every change is seen by a frame of its own.
        {{EventType::LeftButtonDown, EventType::LeftButtonUp, EventType::LeftButtonDown,
          EventType::LeftButtonUp},
         down + "| " + up + "| " + down + "| " + up + "| "},
    };
    for (const Row& row : rows) {
        platform::LiveInput input;
        for (const EventType type : row.events) {
            platform::Event event;
            event.type = type;
            input.push(event);
        }
        EXPECT_EQ(turns(input), row.expected);
    }
}

TEST(LiveInput, ThePadsCursorHoldsUntilTheMouseMoves) {
    platform::LiveInput input;
    input.padState(0, {0, 0, platform::PadSouth});
    platform::Event event;
    while (input.take(event)) {
    }
    EXPECT_EQ(input.cursor({5, 5}), (platform::Point{853, 696}));
    event = {};
    input.push(event);
    EXPECT_TRUE(input.take(event));
    EXPECT_EQ(input.cursor({5, 5}), (platform::Point{5, 5}));
}

} // namespace
