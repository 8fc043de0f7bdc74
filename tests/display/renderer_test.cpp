// The world renderer: where the tile pass puts each map cell, which figures fall inside the
// view, the whirlwind's animation, and the frame with the panel's buttons.
#include <gtest/gtest.h>

#include "display/sprite_numbers.h"
#include "drawn_game.h"

namespace {

using TilePass = DrawnGame;
using Figures = DrawnGame;
using Whirlwind = DrawnGame;
using FrameAndButtons = DrawnGame;

TEST_F(TilePass, AtTheTopLeftLimitShowsTheMapsFirstCellInTheViewsCorner) {
    for (const auto& [x, y] : {std::pair{480, 288}, std::pair{100, -50}}) {
        game().backBuffer->fill(Marker);
        game().whirlwindX = x;
        game().whirlwindY = y;
        game().drawTilePass();
        EXPECT_EQ(game().whirlwindX, 480) << "the whirlwind is held at the view's half width";
        EXPECT_EQ(game().whirlwindY, 288);
        EXPECT_EQ(pixel(32, 32), testGround(0, 0));
        EXPECT_EQ(pixel(63, 63), testGround(0, 0));
        EXPECT_EQ(pixel(64, 32), testGround(1, 0));
        EXPECT_EQ(pixel(991, 32), testGround(29, 0));
        EXPECT_EQ(pixel(992, 32), Marker) << "30 columns";
        EXPECT_EQ(pixel(32, 639), testGround(0, 18));
        EXPECT_EQ(pixel(32, 640), Marker) << "19 rows";
        EXPECT_EQ(pixel(31, 32), Marker);
        EXPECT_EQ(pixel(32, 31), Marker);
    }
}

TEST_F(TilePass, AtTheRoundsStartShowsColumn185AndRow11First) {
    game().whirlwindX = 6400;
    game().whirlwindY = 640;
    game().drawTilePass();
    EXPECT_EQ(pixel(32, 32), testGround(185, 11));
    EXPECT_EQ(pixel(960, 608), testGround(214, 29));
    EXPECT_EQ(pixel(991, 639), testGround(214, 29));
    EXPECT_EQ(pixel(992, 32), Marker);
    EXPECT_EQ(pixel(31, 32), Marker);
    EXPECT_EQ(pixel(32, 640), Marker);
    EXPECT_EQ(drawnPixels(), 30 * 32 * 19 * 32);
}

TEST_F(TilePass, OffTheTileGridDrawsThirtyOneColumnsCutByTheFrame) {
    game().whirlwindX = 6405;
    game().whirlwindY = 645;
    game().drawTilePass();
    EXPECT_EQ(pixel(27, 27), testGround(185, 11));
    EXPECT_EQ(pixel(26, 27), Marker);
    EXPECT_EQ(pixel(27, 26), Marker);
    EXPECT_EQ(pixel(1018, 27), testGround(215, 11));
    EXPECT_EQ(pixel(1019, 27), Marker) << "31 columns";
    EXPECT_EQ(pixel(27, 634), testGround(185, 29));
    EXPECT_EQ(pixel(27, 635), Marker) << "19 rows";
    EXPECT_EQ(drawnPixels(), 31 * 32 * 19 * 32);
}

TEST_F(TilePass, DrawsAStructureOverItsGroundLettingTheKeyShowThrough) {
    game().whirlwindX = 6400;
    game().whirlwindY = 640;
    game().structureTiles[186 * MapRows + 12] = Fence_BRCorner;
    game().structureTiles[187 * MapRows + 12] = 11; // no picture
    game().drawTilePass();
    EXPECT_EQ(pixel(64, 64), spriteColour(Sprite::Fence_BRCorner));
    EXPECT_EQ(pixel(71, 71), spriteColour(Sprite::Fence_BRCorner));
    EXPECT_EQ(pixel(72, 64), testGround(186, 12));
    EXPECT_EQ(pixel(64, 72), testGround(186, 12));
    EXPECT_EQ(pixel(96, 64), testGround(187, 12));
}

TEST_F(TilePass, ShowsWaterBeyondTheMapsRightAndBottomEdges) {
    // Nothing but blocking ground keeps the whirlwind inside; past the edge the view reads
    // no cell of the map.
    game().whirlwindX = 6900;
    game().whirlwindY = 6800;
    game().drawTilePass();
    // Column 216, the map's last, starts at screen x 524; row 216, past the last, at y 432.
    EXPECT_EQ(pixel(530, 100), testGround(216, 205));
    EXPECT_EQ(pixel(560, 100), Water);
    EXPECT_EQ(pixel(530, 440), Water);
    EXPECT_EQ(pixel(990, 600), Water);
}

TEST_F(Figures, AreDrawnOnlyStrictlyInsideTheView) {
    Game& g = game();
    platform::Surface* cow = g.spriteSurfaces[Sprite::Cow];
    g.whirlwindX = 6400;
    g.whirlwindY = 640;
    const std::uint8_t colour = spriteColour(Sprite::Cow);

    g.drawFigure(cow, 5920, 700);
    g.drawFigure(cow, 6880, 700);
    g.drawFigure(cow, 6000, 352);
    g.drawFigure(cow, 6000, 928);
    EXPECT_EQ(drawnPixels(), 0) << "on the window's edges nothing is drawn";

    g.drawFigure(cow, 5921, 353);
    EXPECT_EQ(pixel(1, 1), colour);
    EXPECT_EQ(pixel(22, 22), colour);
    EXPECT_EQ(pixel(23, 22), Marker);
    EXPECT_EQ(pixel(0, 1), Marker);
    g.drawFigure(cow, 6879, 927);
    EXPECT_EQ(pixel(959, 575), colour);
    EXPECT_EQ(pixel(958, 574), Marker);
    EXPECT_EQ(drawnPixels(), 2 * 22 * 22);
}

TEST_F(Figures, AtFractionalPositionsAreTruncatedTowardTheViewsCorner) {
    Game& g = game();
    platform::Surface* flying = g.spriteSurfaces[Sprite::Flying_Cow];
    g.whirlwindX = 6400;
    g.whirlwindY = 640;
    g.drawFigure(flying, 5920.0, 700.0);
    g.drawFigure(flying, 6880.0, 700.0);
    EXPECT_EQ(drawnPixels(), 0);
    g.drawFigure(flying, 5920.5, 352.9);
    EXPECT_EQ(pixel(0, 0), spriteColour(Sprite::Flying_Cow));
    EXPECT_EQ(pixel(21, 21), spriteColour(Sprite::Flying_Cow));
    EXPECT_EQ(pixel(22, 21), Marker);
    EXPECT_EQ(pixel(21, 22), Marker);
    g.drawFigure(flying, 6879.99, 927.99);
    EXPECT_EQ(pixel(959, 575), spriteColour(Sprite::Flying_Cow));
}

TEST_F(Whirlwind, ShowsEachOfItsFourPicturesForFiveFrames) {
    Game& g = game();
    g.whirlwindFrameCount = 0;
    for (int frame = 0; frame < 45; ++frame) {
        g.drawWhirlwind();
        const int picture = frame % 20 / 5;
        EXPECT_EQ(pixel(531, 339), WhirlwindColour + picture) << "frame " << frame;
        EXPECT_EQ(g.whirlwindFrameCount, (frame + 1) % 20);
    }
    game().backBuffer->fill(Marker);
    g.whirlwindFrameCount = 0;
    g.drawWhirlwind();
    EXPECT_EQ(pixel(500, 308), Marker) << "keyed";
    EXPECT_EQ(pixel(501, 308), WhirlwindColour);
    EXPECT_EQ(pixel(532, 339), Marker);
    EXPECT_EQ(pixel(531, 340), Marker);
    EXPECT_EQ(drawnPixels(), 32 * 32 - 1);
}

TEST_F(FrameAndButtons, ShowTheSelectedKindsButtonPressed) {
    struct Button {
        int x;
        int y;
        int normal;
        int pressed;
    };
    const Button kinds[] = {{943, 636, Sprite::Indian_Up, Sprite::Indian_Down},
                            {943, 696, Sprite::Farmer_Up, Sprite::Farmer_Down},
                            {883, 636, Sprite::Cow_Up, Sprite::Cow_Down},
                            {883, 696, Sprite::CowBoy_Up, Sprite::CowBoy_Down}};
    for (int selected = 0; selected <= 5; ++selected) {
        game().selectedKind = selected;
        game().drawFrameAndButtons();
        for (int kind = 1; kind <= 4; ++kind) {
            const Button& button = kinds[kind - 1];
            const int shown = kind == selected ? button.pressed : button.normal;
            EXPECT_EQ(pixel(button.x, button.y), spriteColour(shown)) << selected << " " << kind;
            EXPECT_EQ(pixel(button.x + 59, button.y + 59), spriteColour(shown));
        }
    }
}

TEST_F(FrameAndButtons, ShowTheWindButtonsPressedWhileHeld) {
    Game& g = game();
    for (const bool held : {false, true}) {
        g.speedButtonDown = held;
        g.directionButtonDown = !held;
        g.drawFrameAndButtons();
        EXPECT_EQ(pixel(823, 636),
                  spriteColour(held ? Sprite::Wind_Speed_Down : Sprite::Wind_Speed_Up));
        EXPECT_EQ(pixel(882, 755), pixel(823, 636));
        EXPECT_EQ(pixel(703, 636),
                  spriteColour(held ? Sprite::Wind_Direction_Up : Sprite::Wind_Direction_Down));
        EXPECT_EQ(pixel(822, 755), pixel(703, 636));
    }
}

TEST_F(FrameAndButtons, WithTheTilePassCoverEveryPixelOfTheScreen) {
    Game& g = game();
    g.whirlwindX = 6405;
    g.whirlwindY = 645;
    g.drawTilePass();
    g.drawFrameAndButtons();
    EXPECT_EQ(drawnPixels(), 1024 * 768);
    EXPECT_EQ(pixel(0, 0), spriteColour(Sprite::Frame_Top));
    EXPECT_EQ(pixel(1023, 31), spriteColour(Sprite::Frame_Top));
    EXPECT_EQ(pixel(0, 32), spriteColour(Sprite::Frame_Side_L));
    EXPECT_EQ(pixel(1023, 608), spriteColour(Sprite::Frame_Side_R));
    EXPECT_EQ(pixel(0, 609), spriteColour(Sprite::Frame_Bottom));
    EXPECT_EQ(pixel(32, 32), testGround(185, 11));
}

} // namespace
