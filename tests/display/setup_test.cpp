// Start-up: each display step's failure in its own words, the splash and menu pictures, and
// the splash held two seconds.
#include <gtest/gtest.h>

#include <tuple>

#include "bitmap_file.h"
#include "platform/headless/headless.h"
#include "formats/image.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

namespace {

using platform::backend::DisplayStep;

constexpr HResult Refused = static_cast<HResult>(0x88760091u);

TEST(DisplaySetup, EachFailingStepShowsItsOwnMessageAndEndsTheGame) {
    // The step, its message, and what set-up returns (the palette's failure goes unreported).
    const std::tuple<DisplayStep, const char*, HResult> steps[] = {
        {DisplayStep::CreateDevice, "DirectDrawCreateEx FAILED", Refused},
        {DisplayStep::CooperativeLevel, "SetCooperativeLevel FAILED", Refused},
        {DisplayStep::DisplayMode, "SetDisplayMode FAILED", Refused},
        {DisplayStep::PrimarySurface, "CreateSurface FAILED", Refused},
        {DisplayStep::BackBuffer, "GetAttachedSurface FAILED", Refused},
        {DisplayStep::CreatePalette, "DDLoadPalette FAILED", S_OK},
        {DisplayStep::SetPalette, "SetPalette FAILED", Refused},
    };
    for (const auto& [step, message, returned] : steps) {
        ReadyFolder folder;
        HeadlessGame run(folder.path());
        Game& game = run.construct();
        headless::failDisplayStep(step, Refused);
        EXPECT_EQ(game.initialize(), returned) << message;
        ASSERT_EQ(headless::errorMessages().size(), 1u) << message;
        EXPECT_EQ(headless::errorMessages()[0], message);
        EXPECT_FALSE(headless::windowExists()) << message;
        EXPECT_FALSE(game.setupComplete);
        EXPECT_EQ(game.cursorSurface, nullptr) << "no sprite is loaded after " << message;
        if (step == DisplayStep::DisplayMode) {
            EXPECT_EQ(game.primarySurface, nullptr);
        }
        EXPECT_FALSE(run.turn()) << "the quit is the first thing the loop finds";
        EXPECT_EQ(headless::presentCount(), 0) << message;
    }
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.addFile("Data/Frame_Top.bmp", testPicture(1024, 32, [](int, int) { return 1; }));
        folder_.addFile("Data/Splash.bmp", testPicture(1024, 768, [](int x, int) {
                            return static_cast<std::uint8_t>(x < 512 ? 10 : 11);
                        }));
        folder_.addFile("Data/Option.bmp", testPicture(1024, 768, [](int, int y) {
                            return static_cast<std::uint8_t>(y < 384 ? 20 : 21);
                        }));
    }
    ReadyFolder folder_;
};

TEST_F(Pictures, TheSplashIsShownBeforeTheSpritesAndHeldTwoSecondsAndTheMenuWaitsInImageDC) {
    HeadlessGame run(folder_.path());
    headless::setClock(5000);
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    EXPECT_TRUE(game.setupComplete);
    EXPECT_EQ(headless::presentCount(), 1) << "the splash was flipped to the screen";
    EXPECT_EQ(game.backBuffer->row(700)[100], 10);
    EXPECT_EQ(game.backBuffer->row(0)[1000], 11);
    // The scripted clock moves only when the game sleeps, so a busy wait would never end.
    EXPECT_EQ(game.lastTick, 5000u);
    EXPECT_EQ(game.roundStartTick, 7000u);
    ASSERT_NE(game.imageDC, nullptr);
    EXPECT_EQ(game.imageDC->row(0)[0], 20);
    EXPECT_EQ(game.imageDC->row(767)[1023], 21);
    ASSERT_NE(game.imageBitmap, nullptr);
    EXPECT_EQ(game.imageBitmap->indices[0], 20) << "imageBitmap is the menu picture";
}

TEST_F(Pictures, ARefusedDrawingContextSkipsOnlyTheSplash) {
    HeadlessGame run(folder_.path());
    headless::refuseNextDC();
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    EXPECT_EQ(game.backBuffer->row(700)[100], 0) << "no splash";
    ASSERT_NE(game.imageDC, nullptr);
    EXPECT_EQ(game.imageDC->row(0)[0], 20) << "the menu picture is there all the same";
}

} // namespace
