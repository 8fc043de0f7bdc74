// The palette ramps and the drawing primitives the art relies on.
#include <gtest/gtest.h>

#include "datagen/canvas.h"
#include "datagen/pixel_font.h"

namespace {

using datagen::Canvas;
using datagen::Key;
using datagen::Ramp;
using Pixels = std::vector<datagen::Colour>;

constexpr datagen::Colour K = Key;

TEST(Palette, ShadesStayOnTheirRampsAndTheKeyIsNeverChosen) {
    const auto& p = datagen::palette();
    for (int ramp = 0; ramp < static_cast<int>(Ramp::Count); ++ramp) {
        const Ramp r = static_cast<Ramp>(ramp);
        const int last = p.size(r) - 1;
        EXPECT_EQ(p.shift(p.shade(r, 0), -3), p.shade(r, 0));
        EXPECT_EQ(p.shift(p.shade(r, last), 3), p.shade(r, last));
        EXPECT_EQ(p.shift(p.shade(r, 1), 1), p.shade(r, 2));
    }
    EXPECT_EQ(p.shift(Key, 2), Key);
    EXPECT_NE(p.nearest({255, 0, 255}), Key);
    EXPECT_EQ(p.colours()[p.nearest({115, 115, 115})], (datagen::Rgb{115, 115, 115}));

    // Halfway between two shades, the dither mixes them evenly.
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

TEST(Canvas, CopiesOutlinesTurnsAndTiles) {
    // A keyed copy lets the key show through; a plain one copies it.
    Canvas under(3, 1, 5);
    Canvas over(3, 1);
    over.set(1, 0, 9);
    under.blit(over, 0, 0);
    EXPECT_EQ(under.pixels(), (Pixels{5, 9, 5}));
    under.blit(over, 0, 0, false);
    EXPECT_EQ(under.pixels(), (Pixels{K, 9, K}));

    // The outline rings drawn pixels on their four sides.
    Canvas dot(3, 3);
    dot.set(1, 1, 9);
    dot.outline(1);
    EXPECT_EQ(dot.pixels(), (Pixels{K, 1, K, 1, 9, 1, K, 1, K}));

    Canvas picture(3, 2);
    picture.set(0, 0, 1);
    picture.set(2, 1, 2);
    const Canvas turned = picture.rotatedClockwise();
    ASSERT_EQ(turned.width(), 2);
    EXPECT_EQ(turned.pixels(), (Pixels{K, 1, K, K, 2, K}));
    EXPECT_EQ(picture.mirrored().pixels(), (Pixels{K, K, 1, 2, K, K}));
    EXPECT_EQ(picture.flipped().pixels(), (Pixels{K, K, 2, 1, K, K}));

    // A tile surface repeats the tile four times across.
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
