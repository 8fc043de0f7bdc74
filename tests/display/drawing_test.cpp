// The drawing underneath everything: keyed copies of every width, the expansion of frames to
// true colour, and the panel's text.
#include <gtest/gtest.h>

#include <random>

#include "drawn_game.h"
#include "platform/display_backend.h"
#include "platform/emulation/palette_expander.h"
#include "platform/surface.h"
#include "platform/video.h"

namespace {

using platform::Surface;

TEST(RectangleCopy, MatchesPixelByPixelCopiesAtEveryWidthAndPlace) {
    // Index 254 stays out of the copy only when the blit asks for the key and the source has it.
    std::mt19937 random(7);
    Surface source(70, 5);
    for (int i = 0; i < 70 * 5; ++i) {
        source.pixels()[i] = random() % 3 == 0 ? platform::TransparentIndex
                                               : static_cast<std::uint8_t>(random() % 250);
    }
    for (const bool sourceKeyed : {true, false}) {
        source.setColorKey(sourceKeyed);
        for (const bool keyed : {true, false}) {
            for (int width = 1; width <= 70; ++width) {
                for (const int x : {-7, 0, 3, 40}) {
                    Surface target(100, 7);
                    target.fill(9);
                    target.bltFast(x, 1, source, {0, 1, width, 4}, keyed);
                    for (int y = 0; y < 7; ++y) {
                        for (int column = 0; column < 100; ++column) {
                            const int from = column - x;
                            std::uint8_t expected = 9;
                            if (y >= 1 && y < 4 && from >= 0 && from < width) {
                                const std::uint8_t in = source.row(y)[from];
                                const bool hidden =
                                    keyed && sourceKeyed && in == platform::TransparentIndex;
                                expected = hidden ? 9 : in;
                            }
                            ASSERT_EQ(target.row(y)[column], expected)
                                << "width " << width << " at " << x << ": " << column << "," << y;
                        }
                    }
                }
            }
        }
    }
}

TEST(PaletteExpansion, GivesEveryPixelItsPaletteColour) {
    std::vector<platform::PaletteEntry> entries(256);
    for (int i = 0; i < 256; ++i) {
        entries[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>(i * 3), 0};
    }
    platform::Palette palette(entries.data());
    Surface frame(13, 3); // an odd width leaves pixels beyond the last whole pair of four
    for (int i = 0; i < 13 * 3; ++i) {
        frame.pixels()[i] = static_cast<std::uint8_t>(i * 11);
    }
    const int pitch = 16 * 4;
    std::vector<std::uint32_t> out(16 * 3, 0xDEADBEEF);
    platform::PaletteExpander expander;
    expander.expand(frame, palette, out.data(), pitch);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 13; ++x) {
            const auto& entry = entries[frame.row(y)[x]];
            const std::uint32_t expected =
                0xFF000000u | entry.red << 16 | entry.green << 8 | entry.blue;
            ASSERT_EQ(out[y * 16 + x], expected) << x << "," << y;
        }
        EXPECT_EQ(out[y * 16 + 13], 0xDEADBEEF) << "the pitch's padding stays";
    }

    entries[0] = {1, 2, 3, 0};
    platform::Palette changed(entries.data());
    expander.expand(frame, changed, out.data(), pitch);
    EXPECT_EQ(out[0], 0xFF010203u) << "a new palette is taken up";
}

TEST(PanelText, TheBuiltInFontDrawsEachPrintableCharacterInACellOfItsOwn) {
    const auto mask = [](const char* text) {
        platform::backend::TextMask mask;
        EXPECT_TRUE(platform::backend::renderText(text, 1, mask)) << text;
        return mask;
    };
    EXPECT_EQ(mask("0").width, 12);
    EXPECT_EQ(mask("0").height, 16);
    EXPECT_NE(mask("0").coverage, mask("8").coverage);
    EXPECT_EQ(mask("\x01").coverage, mask("?").coverage) << "an unknown character shows as '?'";
    platform::backend::TextMask none;
    EXPECT_FALSE(platform::backend::renderText("", 0, none));
}

using PanelTextOnScreen = DrawnGame;

TEST_F(PanelTextOnScreen, IsDrawnInTheNearestColoursAndCutAtTheScreensEdge) {
    Game& g = game();
    const std::uint8_t grey = g.palette->nearestIndex({115, 115, 115});
    const std::uint8_t black = g.palette->nearestIndex({0, 0, 0});
    g.backBuffer->fill(7);
    ASSERT_EQ(platform::textOut(g.directDraw, g.backBuffer, 100, 200, "-1", 2, {0, 0, 0},
                                {115, 115, 115}),
              S_OK);
    EXPECT_EQ(pixel(100, 200), grey);
    EXPECT_EQ(pixel(103, 207), black) << "the minus sign";
    EXPECT_EQ(pixel(124, 200), 7) << "two cells wide";
    EXPECT_EQ(pixel(100, 216), 7) << "sixteen rows high";
    EXPECT_EQ(platform::textOut(g.directDraw, g.backBuffer, 1015, 760, "12345", 5, {0, 0, 0},
                                {115, 115, 115}),
              S_OK);
    EXPECT_EQ(pixel(1023, 767), grey);
}

} // namespace
