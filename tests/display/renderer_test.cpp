// The world renderer: where the tile pass puts each map cell, which figures fall inside the
// view, and the frame with the panel's buttons. The whirlwind's animation is pinned by the
// golden replays' frame counts and frame hashes.
#include <gtest/gtest.h>

#include <span>

#include "display/sprite_numbers.h"
#include "drawn_game.h"

namespace {

using Figures = DrawnGame;
using FrameAndButtons = DrawnGame;

// A pixel the tile pass must leave: the ground of map cell (column, row), or the marker where
// it draws nothing.
struct Probe {
    int x, y, column, row;
};
constexpr int Nothing = -1;

class TilePass : public DrawnGame {
protected:
    void drawAt(int x, int y, std::span<const Probe> probes) {
        game().backBuffer->fill(Marker);
        game().whirlwindX = x;
        game().whirlwindY = y;
        game().drawTilePass();
        for (const Probe& probe : probes) {
            EXPECT_EQ(pixel(probe.x, probe.y),
                      probe.column == Nothing ? Marker : testGround(probe.column, probe.row))
                << "screen " << probe.x << "," << probe.y << ", whirlwind at " << x << "," << y;
        }
    }
};

TEST_F(TilePass, AtTheTopLeftLimitShowsTheMapsFirstCellInTheViewsCorner) {
    // 30 columns and 19 rows, the first ones in the view's corner.
    for (const auto& [x, y] : {std::pair{480, 288}, std::pair{100, -50}}) {
        const Probe corner[] = {{32, 32, 0, 0},        {63, 63, 0, 0},        {64, 32, 1, 0},
                                {991, 32, 29, 0},      {992, 32, Nothing, 0}, {32, 639, 0, 18},
                                {32, 640, Nothing, 0}, {31, 32, Nothing, 0},  {32, 31, Nothing, 0}};
        drawAt(x, y, corner);
        EXPECT_EQ(game().whirlwindX, 480) << "the whirlwind is held at the view's half width";
        EXPECT_EQ(game().whirlwindY, 288);
    }
}

TEST_F(TilePass, DrawsThirtyColumnsOnTheTileGridAndThirtyOneOffIt) {
    // The round's start shows column 185 and row 11 first. A structure stands over its
    // ground with the key showing through; one with no picture shows the ground alone.
    game().structureTiles[186 * MapRows + 12] = Structure::Fence_BRCorner;
    game().structureTiles[187 * MapRows + 12] = 11;
    const Probe onGrid[] = {{32, 32, 185, 11},     {960, 608, 214, 29},  {991, 639, 214, 29},
                            {992, 32, Nothing, 0}, {31, 32, Nothing, 0}, {32, 640, Nothing, 0},
                            {72, 64, 186, 12},     {64, 72, 186, 12},    {96, 64, 187, 12}};
    drawAt(6400, 640, onGrid);
    EXPECT_EQ(drawnPixels(), 30 * 32 * 19 * 32);
    EXPECT_EQ(pixel(64, 64), spriteColour(Sprite::Fence_BRCorner));
    EXPECT_EQ(pixel(71, 71), spriteColour(Sprite::Fence_BRCorner));

    // Off the grid the cells cut by the view are drawn whole, and the frame covers the rest.
    const Probe offGrid[] = {{27, 27, 185, 11},    {26, 27, Nothing, 0},   {27, 26, Nothing, 0},
                             {1018, 27, 215, 11},  {1019, 27, Nothing, 0}, {27, 634, 185, 29},
                             {27, 635, Nothing, 0}};
    drawAt(6405, 645, offGrid);
    EXPECT_EQ(drawnPixels(), 31 * 32 * 19 * 32);
    game().drawFrameAndButtons();
    EXPECT_EQ(drawnPixels(), 1024 * 768);
    EXPECT_EQ(pixel(0, 0), spriteColour(Sprite::Frame_Top));
    EXPECT_EQ(pixel(1023, 31), spriteColour(Sprite::Frame_Top));
    EXPECT_EQ(pixel(0, 32), spriteColour(Sprite::Frame_Side_L));
    EXPECT_EQ(pixel(1023, 608), spriteColour(Sprite::Frame_Side_R));
    EXPECT_EQ(pixel(0, 609), spriteColour(Sprite::Frame_Bottom));
    EXPECT_EQ(pixel(32, 32), testGround(185, 11));
}

TEST_F(TilePass, ShowsWaterBeyondTheMapsRightAndBottomEdges) {
    // Nothing but blocking ground keeps the whirlwind inside; past the edge the view reads
    // no cell of the map. Column 216, the map's last, starts at screen x 524; row 216, past
    // the last, at y 432.
    const Probe edge[] = {{530, 100, 216, 205}};
    drawAt(6900, 6800, edge);
    for (const auto& [x, y] : {std::pair{560, 100}, {530, 440}, {990, 600}}) {
        EXPECT_EQ(pixel(x, y), Ground::Water) << x << "," << y;
    }
}

TEST_F(Figures, AreDrawnOnlyStrictlyInsideTheViewTruncatedTowardItsCorner) {
    Game& g = game();
    platform::Surface* cow = g.spriteSurfaces[Sprite::Cow];
    platform::Surface* flying = g.spriteSurfaces[Sprite::Flying_Cow];
    g.whirlwindX = 6400;
    g.whirlwindY = 640;
    for (const auto& [x, y] : {std::pair{5920, 700}, {6880, 700}, {6000, 352}, {6000, 928}}) {
        g.drawFigure(cow, x, y);
        g.drawFigure(flying, static_cast<double>(x), static_cast<double>(y));
    }
    EXPECT_EQ(drawnPixels(), 0) << "on the window's edges nothing is drawn";

    const std::uint8_t colour = spriteColour(Sprite::Cow);
    g.drawFigure(cow, 5921, 353);
    g.drawFigure(cow, 6879, 927);
    EXPECT_EQ(drawnPixels(), 2 * 22 * 22);
    const std::tuple<int, int, bool> cows[] = {{1, 1, true},  {22, 22, true},   {23, 22, false},
                                               {0, 1, false}, {959, 575, true}, {958, 574, false}};
    for (const auto& [x, y, shown] : cows) {
        EXPECT_EQ(pixel(x, y), shown ? colour : Marker) << x << "," << y;
    }

    const std::uint8_t flyingColour = spriteColour(Sprite::Flying_Cow);
    g.backBuffer->fill(Marker);
    g.drawFigure(flying, 5920.5, 352.9);
    g.drawFigure(flying, 6879.99, 927.99);
    const std::tuple<int, int, bool> flyingCows[] = {
        {0, 0, true}, {21, 21, true}, {22, 21, false}, {21, 22, false}, {959, 575, true}};
    for (const auto& [x, y, shown] : flyingCows) {
        EXPECT_EQ(pixel(x, y), shown ? flyingColour : Marker) << x << "," << y;
    }
}

TEST_F(FrameAndButtons, ShowTheSelectedKindsAndTheHeldWindButtonsPressed) {
    struct Button {
        int x, y, normal, pressed;
    };
    const Button kinds[] = {{943, 636, Sprite::Indian_Up, Sprite::Indian_Down},
                            {943, 696, Sprite::Farmer_Up, Sprite::Farmer_Down},
                            {883, 636, Sprite::Cow_Up, Sprite::Cow_Down},
                            {883, 696, Sprite::CowBoy_Up, Sprite::CowBoy_Down}};
    for (int selected = 0; selected <= 5; ++selected) {
        game().selectedKind = static_cast<ActorKind>(selected);
        game().drawFrameAndButtons();
        for (int kind = 1; kind <= 4; ++kind) {
            const Button& button = kinds[kind - 1];
            const int shown = kind == selected ? button.pressed : button.normal;
            EXPECT_EQ(pixel(button.x, button.y), spriteColour(shown)) << selected << " " << kind;
            EXPECT_EQ(pixel(button.x + 59, button.y + 59), spriteColour(shown));
        }
    }
    for (const bool held : {false, true}) {
        game().speedButtonDown = held;
        game().directionButtonDown = !held;
        game().drawFrameAndButtons();
        EXPECT_EQ(pixel(823, 636),
                  spriteColour(held ? Sprite::Wind_Speed_Down : Sprite::Wind_Speed_Up));
        EXPECT_EQ(pixel(882, 755), pixel(823, 636));
        EXPECT_EQ(pixel(703, 636),
                  spriteColour(held ? Sprite::Wind_Direction_Up : Sprite::Wind_Direction_Down));
        EXPECT_EQ(pixel(822, 755), pixel(703, 636));
    }
}

} // namespace
