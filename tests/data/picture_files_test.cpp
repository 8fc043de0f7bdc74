// The full-screen pictures: the title and the menu, whose three words must sit on the
// buttons where the game answers clicks.
#include <gtest/gtest.h>

#include <set>

#include "game_files.h"

namespace {

TEST(PictureFiles, TitleAndMenuAreFullScreenPicturesInTheGamePalette) {
    const Bitmap top = gameBitmap("Frame_Top");
    for (const char* name : {"Splash", "Option"}) {
        SCOPED_TRACE(name);
        const Bitmap picture = gameBitmap(name);
        ASSERT_GT(picture.width, 0);
        EXPECT_EQ(picture.width, 1024);
        EXPECT_EQ(picture.height, 768);
        EXPECT_EQ(picture.colours, top.colours);
        const std::set<std::uint8_t> used(picture.indices.begin(), picture.indices.end());
        EXPECT_EQ(used.count(254), 0u);
        EXPECT_GE(used.size(), 64u) << "a painted picture, not a placeholder";
    }
}

TEST(PictureFiles, MenuWordsLieInsideTheirButtons) {
    const Bitmap menu = gameBitmap("Option");
    ASSERT_GT(menu.width, 0);
    // The hit areas, exclusive: 340 < x < 710 and top < y < bottom.
    const struct { int top, bottom; } buttons[] = {{258, 328}, {347, 417}, {435, 505}};
    auto isLettering = [&](int x, int y) { return brightness(menu.colourAt(x, y)) > 200; };
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.top);
        int left = 1024, right = -1, top = 768, bottom = -1;
        for (int y = button.top - 8; y < button.bottom + 8; ++y) {
            for (int x = 320; x < 730; ++x) {
                if (isLettering(x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        ASSERT_GE(right, 0) << "no word on the button";
        EXPECT_GT(left, 340);
        EXPECT_LT(right, 710);
        EXPECT_GT(top, button.top);
        EXPECT_LT(bottom, button.bottom);
        EXPECT_GE(right - left, 60) << "a word, not a speck";
        EXPECT_GE(bottom - top, 20);
    }
}

} // namespace
