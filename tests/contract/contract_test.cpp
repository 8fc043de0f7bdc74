// What every back end answers alike, checked through the platform layer the game calls: the
// key codes, the cursor on the screen, minimising, restoring and closing the window, showing
// frames and a screen lost and restored, a sound's play, status over time, duplicate and stop,
// and the store's values and outcomes. The same table runs against each back end that can run
// here, through its driver; a row a back end cannot do is skipped with the driver's reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "back_end_driver.h"
#include "platform/audio.h"
#include "platform/store.h"
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

// A buffer's status bits, or 99 when the call itself fails.
std::uint32_t statusOf(platform::SoundBuffer* buffer) {
    std::uint32_t status = 99;
    return platform::getStatus(buffer, &status) == S_OK ? status : 99;
}

// The stored value, or "(none)".
std::string stored(const char* name) {
    char value[16] = {};
    std::size_t length = 0;
    return platform::readStoredValue(name, value, sizeof value, length) ? std::string(value, length)
                                                                        : "(none)";
}

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

TEST_F(BackEnd, FramesAreShownAndALostScreenShowsNothingUntilRestored) {
    platform::Surface* back = nullptr;
    ASSERT_EQ(platform::getBackBuffer(display_, &back), S_OK);
    back->fill(7);
    EXPECT_EQ(platform::flip(display_), S_OK) << "in grey levels";
    std::vector<platform::PaletteEntry> entries(256, platform::PaletteEntry{200, 40, 10, 0});
    platform::Palette* palette = nullptr;
    ASSERT_EQ(platform::createPalette(display_, entries.data(), &palette), S_OK);
    ASSERT_EQ(platform::setPalette(display_, palette), S_OK);
    EXPECT_EQ(platform::flip(display_), S_OK) << "in the palette's colours";

    const char* reason = "";
    if (!contract::loseScreen(reason)) {
        GTEST_SKIP() << reason;
    }
    happenings();
    EXPECT_EQ(platform::flip(display_), DDERR_SURFACELOST);
    EXPECT_EQ(platform::flip(display_), DDERR_SURFACELOST) << "lost until restored";
    EXPECT_EQ(platform::restore(display_), S_OK);
    EXPECT_EQ(platform::flip(display_), S_OK);
    EXPECT_EQ(platform::restore(display_), S_OK) << "restoring a screen not lost does no harm";
    EXPECT_EQ(platform::flip(display_), S_OK);
}

TEST_F(BackEnd, ASoundPlaysForItsLengthBesideItsDuplicateAndStopsAtItsEnd) {
    platform::AudioDevice* device = nullptr;
    const HResult opened = platform::createAudioDevice(&device);
    if (failed(opened)) {
        // Wine without a sound card refuses with a result of its own, not DSERR_NODRIVER.
        GTEST_SKIP() << "no sound output opens on this machine (result " << std::hex << opened
                     << ")";
    }
    ASSERT_TRUE(
        succeeded(platform::setCooperativeLevel(device, window_, platform::DSSCL_PRIORITY)));
    // 300 ms of an 8 kHz, 8-bit square wave.
    const platform::WaveFormat format{platform::WAVE_FORMAT_PCM, 1, 8000, 8000, 1, 8, 0};
    platform::BufferDescription description;
    description.bufferBytes = 2400;
    description.format = &format;
    platform::SoundBuffer* sound = nullptr;
    ASSERT_TRUE(succeeded(platform::createSoundBuffer(device, description, &sound)));
    void* region = nullptr;
    std::uint32_t regionBytes = 0;
    ASSERT_EQ(platform::lockBuffer(sound, 0, 2400, &region, &regionBytes), S_OK);
    ASSERT_EQ(regionBytes, 2400u);
    for (std::uint32_t i = 0; i < regionBytes; ++i) {
        static_cast<std::uint8_t*>(region)[i] = (i / 20) % 2 == 0 ? 96 : 160;
    }
    ASSERT_EQ(platform::unlockBuffer(sound, region, regionBytes), S_OK);
    platform::SoundBuffer* copy = nullptr;
    ASSERT_TRUE(succeeded(platform::duplicateSoundBuffer(device, sound, &copy)));
    EXPECT_EQ(statusOf(sound), 0u) << "not played yet";

    // The two play the same samples each on its own; moving one to its last sample frame
    // stops it there while the other plays on.
    ASSERT_EQ(platform::playBuffer(sound, 0), S_OK);
    EXPECT_EQ(statusOf(sound), platform::DSBSTATUS_PLAYING);
    EXPECT_EQ(statusOf(copy), 0u) << "a duplicate is not its original";
    ASSERT_EQ(platform::playBuffer(copy, 0), S_OK);
    EXPECT_EQ(statusOf(copy), platform::DSBSTATUS_PLAYING);
    EXPECT_EQ(platform::setCurrentPosition(sound, 2399), S_OK);
    platform::sleep(100);
    EXPECT_EQ(statusOf(sound), 0u) << "stopped at its end";
    EXPECT_EQ(statusOf(copy), platform::DSBSTATUS_PLAYING) << "plays on beside it";
    platform::sleep(500);
    EXPECT_EQ(statusOf(copy), 0u) << "done after its 300 ms";

    // Played to its end, a buffer stands at its start again and plays it whole.
    ASSERT_EQ(platform::playBuffer(copy, 0), S_OK);
    platform::sleep(100);
    EXPECT_EQ(statusOf(copy), platform::DSBSTATUS_PLAYING);
    platform::releaseSoundBuffer(copy);
    EXPECT_EQ(platform::setCurrentPosition(sound, 2400), platform::DSERR_INVALIDPARAM)
        << "past the end";
    platform::releaseAudioDevice(device);
}

TEST_F(BackEnd, TheStoreKeepsValuesWholeAndReplacesThemOnlyWhenAsked) {
    platform::setStoreFolder(contract::freshStore());
    EXPECT_EQ(stored("Score"), "(none)");
    char untouched[4] = "abc";
    std::size_t length = 99;
    EXPECT_FALSE(platform::readStoredValue("Score", untouched, sizeof untouched, length));
    ASSERT_TRUE(platform::writeStoredValue("Score", "1750", 4));
    EXPECT_EQ(stored("Score"), "1750");
    EXPECT_FALSE(platform::readStoredValue("Score", untouched, sizeof untouched, length))
        << "four bytes and the zero do not fit in four";
    EXPECT_STREQ(untouched, "abc");
    EXPECT_EQ(length, 99u);

    // Each replace with the new value, the answer given, and what the test was shown, the
    // outcome and the value stored afterwards.
    using Outcome = platform::StoreOutcome;
    const struct {
        const char* name;
        const char* text;
        bool answer;
        const char* shown;
        Outcome outcome;
        const char* after;
    } replaces[] = {
        {"Score", "90", false, "1750", Outcome::Kept, "1750"},
        {"Score", "2400", true, "1750", Outcome::Replaced, "2400"},
        {"Score", "7", true, "2400", Outcome::Replaced, "7"},
        {"Other", "15", true, "(none)", Outcome::Replaced, "15"},
    };
    for (const auto& replace : replaces) {
        std::string shown = "(not asked)";
        platform::StoreFailure failure;
        const Outcome outcome = platform::replaceStoredValueIf(
            replace.name, replace.text, std::strlen(replace.text),
            [&](const char* value, std::size_t size) {
                shown = value != nullptr ? std::string(value, size) : "(none)";
                return replace.answer;
            },
            failure);
        EXPECT_EQ(outcome, replace.outcome) << replace.text;
        EXPECT_EQ(shown, replace.shown) << replace.text;
        EXPECT_EQ(stored(replace.name), replace.after) << replace.text;
    }

    // Where the store cannot be made, nothing is written and the failure says where.
    platform::setStoreFolder(contract::unusableStore());
    platform::StoreFailure failure;
    EXPECT_EQ(platform::replaceStoredValueIf(
                  "Score", "5", 1, [](const char*, std::size_t) { return true; }, failure),
              Outcome::Failed);
    EXPECT_FALSE(failure.place.empty());
    EXPECT_FALSE(failure.reason.empty());
    EXPECT_FALSE(platform::writeStoredValue("Score", "5", 1));
    EXPECT_EQ(stored("Score"), "(none)");

    platform::setStoreFolder(contract::freshStore());
    platform::setStoreFolder("");
}

} // namespace
