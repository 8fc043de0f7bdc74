// What every back end answers alike, checked through the platform layer the game calls: the
// key codes, the cursor on the screen, minimising, restoring and closing the window. The same
// table runs against each back end that can run here, through its driver.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "back_end_driver.h"
#include "platform/system.h"
#include "platform/video.h"
#include "platform/window.h"

namespace {

using contract::Key;
using platform::EventType;
// Events as (type, key, minimized).
using Seen = std::vector<std::tuple<EventType, int, bool>>;

class BackEnd : public ::testing::Test {
protected:
    void SetUp() override {
        const char* reason = "";
        if (!contract::startMachine(reason)) {
            GTEST_SKIP() << reason;
        }
        // The window and the display, set up as the game sets them up.
        window_ = platform::createWindow("contract");
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(platform::createDisplayDevice(&display_), S_OK);
        ASSERT_EQ(platform::setCooperativeLevel(display_, window_), S_OK);
        ASSERT_EQ(platform::setDisplayMode(display_, 1024, 768, 8), S_OK);
        platform::Surface* primary = nullptr;
        ASSERT_EQ(platform::createPrimarySurface(display_, &primary), S_OK);
        platform::showWindow(window_);
        happenings();
    }

    void TearDown() override {
        platform::releaseDisplayDevice(display_);
        if (window_ != nullptr) {
            platform::destroyWindow(window_);
        }
        happenings();
        platform::shutdown();
    }

    // Takes every waiting event; gives back those other than mouse moves.
    static Seen happenings() {
        Seen seen;
        for (platform::Event event; platform::peekEvent(event);) {
            if (event.type != EventType::MouseMove) {
                seen.emplace_back(event.type, event.key, event.minimized);
            }
        }
        return seen;
    }

    platform::Window* window_ = nullptr;
    platform::DisplayDevice* display_ = nullptr;
};

TEST_F(BackEnd, KeysArriveWithTheGamesCodes) {
    const std::pair<Key, int> keys[] = {{Key::A, 'A'},      {Key::Z, 'Z'},     {Key::Digit0, '0'},
                                        {Key::Digit9, '9'}, {Key::Escape, 27}, {Key::Left, 37},
                                        {Key::Up, 38},      {Key::Right, 39},  {Key::Down, 40},
                                        {Key::NoCode, 0xFF}};
    for (const auto& [key, code] : keys) {
        contract::pressKey(key, true);
        contract::pressKey(key, false);
        EXPECT_EQ(happenings(),
                  (Seen{{EventType::KeyDown, code, false}, {EventType::KeyUp, code, false}}))
            << "the key with code " << code;
    }
}

TEST_F(BackEnd, TheCursorStaysOnTheScreen) {
    // Where the mouse is put, and where the game finds its cursor.
    const std::pair<platform::Point, platform::Point> cases[] = {
        {{0, 0}, {0, 0}},           {{1023, 0}, {1023, 0}},   {{0, 767}, {0, 767}},
        {{1023, 767}, {1023, 767}}, {{512, 384}, {512, 384}}, {{-40, -3}, {0, 0}},
        {{1100, 900}, {1023, 767}}, {{-5, 800}, {0, 767}},    {{2000, 10}, {1023, 10}}};
    for (const auto& [put, found] : cases) {
        contract::pointAt(put.x, put.y);
        happenings();
        EXPECT_EQ(platform::cursorPosition(), found) << put.x << ", " << put.y;
    }
}

TEST_F(BackEnd, MinimiseRestoreAndCloseArriveInTheirOrderAndQuitComesLast) {
    contract::setMinimised(true);
    contract::setMinimised(false);
    Seen expected = {{EventType::Activate, 0, true}, {EventType::Activate, 0, false}};
    if (contract::closeByPlayer()) {
        expected.emplace_back(EventType::Close, 0, false);
    }
    platform::postClose(window_);
    expected.emplace_back(EventType::Close, 0, false);
    EXPECT_EQ(happenings(), expected);

    // Destroying the window leaves a Quit behind whatever was waiting, and then nothing.
    contract::setMinimised(true);
    platform::destroyWindow(window_);
    window_ = nullptr;
    EXPECT_EQ(happenings(), (Seen{{EventType::Activate, 0, true}, {EventType::Quit, 0, false}}));
    platform::Event after;
    EXPECT_FALSE(platform::peekEvent(after));
}

} // namespace
