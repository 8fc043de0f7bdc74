// The palette ramps and the drawing primitives the art relies on.
#include <gtest/gtest.h>

#include "datagen/canvas.h"
#include "datagen/pixel_font.h"

namespace {

using datagen::Canvas;
using datagen::Key;
using datagen::Ramp;

TEST(Palette, ShiftingAShadeStaysOnItsRamp) {
    const auto& p = datagen::palette();
    for (int ramp = 0; ramp < static_cast<int>(Ramp::Count); ++ramp) {
        const Ramp r = static_cast<Ramp>(ramp);
        const int last = p.size(r) - 1;
        EXPECT_EQ(p.shift(p.shade(r, 0), -3), p.shade(r, 0));
        EXPECT_EQ(p.shift(p.shade(r, last), 3), p.shade(r, last));
        EXPECT_EQ(p.shift(p.shade(r, 1), 1), p.shade(r, 2));
    }
    EXPECT_EQ(p.shift(Key, 2), Key);
}

TEST(Palette, NearestColourIsNeverTheKey) {
    const auto& p = datagen::palette();
    EXPECT_NE(p.nearest({255, 0, 255}), Key);
    EXPECT_EQ(p.colours()[p.nearest({115, 115, 115})], (datagen::Rgb{115, 115, 115}));
}

TEST(Palette, HalfwayDitherMixesTwoShadesEvenly) {
    const auto& p = datagen::palette();
    int lower = 0;
    int upper = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const datagen::Colour c = p.dithered(Ramp::Grass, 5.5, x, y);
            lower += c == p.shade(Ramp::Grass, 5);
            upper += c == p.shade(Ramp::Grass, 6);
        }
    }
    EXPECT_EQ(lower, 8);
    EXPECT_EQ(upper, 8);
}

TEST(Canvas, KeyedCopyLetsTheKeyShowThrough) {
    Canvas under(3, 1, 5);
    Canvas over(3, 1);
    over.set(1, 0, 9);
    under.blit(over, 0, 0);
    EXPECT_EQ(under.at(0, 0), 5);
    EXPECT_EQ(under.at(1, 0), 9);
    under.blit(over, 0, 0, false);
    EXPECT_EQ(under.at(0, 0), Key);
}

TEST(Canvas, OutlineRingsDrawnPixelsOnTheirFourSides) {
    Canvas canvas(5, 5);
    canvas.set(2, 2, 9);
    canvas.outline(1);
    EXPECT_EQ(canvas.at(2, 2), 9);
    EXPECT_EQ(canvas.at(1, 2), 1);
    EXPECT_EQ(canvas.at(3, 2), 1);
    EXPECT_EQ(canvas.at(2, 1), 1);
    EXPECT_EQ(canvas.at(2, 3), 1);
    EXPECT_EQ(canvas.at(1, 1), Key);
}

TEST(Canvas, TurnsMirrorsAndFlips) {
    Canvas canvas(3, 2);
    canvas.set(0, 0, 1);
    canvas.set(2, 1, 2);
    const Canvas turned = canvas.rotatedClockwise();
    ASSERT_EQ(turned.width(), 2);
    ASSERT_EQ(turned.height(), 3);
    EXPECT_EQ(turned.at(1, 0), 1);
    EXPECT_EQ(turned.at(0, 2), 2);
    EXPECT_EQ(canvas.mirrored().at(2, 0), 1);
    EXPECT_EQ(canvas.flipped().at(0, 1), 1);
}

TEST(Canvas, TileSurfaceRepeatsTheTileAcross) {
    Canvas tile(32, 32, 3);
    tile.set(31, 0, 4);
    const Canvas surface = datagen::tileSurface(tile);
    ASSERT_EQ(surface.width(), 128);
    for (int copy = 0; copy < 4; ++copy) {
        EXPECT_EQ(surface.at(32 * copy + 31, 0), 4);
        EXPECT_EQ(surface.at(32 * copy, 0), 3);
    }
}

TEST(PixelFont, LettersStayInsideTheMeasuredBox) {
    for (const std::string text : {"New game", "Quit", "Time left", "gjpqy", "?!_"}) {
        SCOPED_TRACE(text);
        const int scale = 3;
        Canvas canvas(400, 60);
        datagen::drawText(canvas, 10, 10, text, scale, 1);
        int left = 400, right = -1, bottom = -1;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 400; ++x) {
                if (canvas.at(x, y) != Key) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_EQ(left, 10);
        EXPECT_EQ(right, 10 + datagen::textWidth(text, scale) - 1);
        EXPECT_LT(bottom, 10 + datagen::FontLineHeight * scale);
    }
    EXPECT_EQ(datagen::textWidth("", 2), 0);
}

} // namespace
