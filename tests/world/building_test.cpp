// Building a pen: put up piece by piece around its ring, and a wrecked piece mended while the
// cowboy's cows run loose. The builders' work times are in the table of kinds.
#include <gtest/gtest.h>

#include <array>

#include "world_fixture.h"

namespace {

// The order in which he finishes the pieces.
// clang-format off
constexpr std::array<std::array<int, 6>, 6> BuildingOrder = {{
    {15, 16, 17, 18, 19, 20},
    {14,  0,  0,  0,  0,  1},
    {13,  0,  0,  0,  0,  2},
    {12,  0,  0,  0,  0,  3},
    {11,  0,  0,  0,  0,  4},
    {10,  9,  8,  7,  6,  5},
}};
// clang-format on

constexpr int SiteX = 125 * 32 + 16;
constexpr int SiteY = 125 * 32 + 16;

class Builders : public WorldTest {
protected:
    // One frame of the figures; the numbers drawn from the generator in it.
    int drawsInAFrame() {
        const std::uint32_t before = gameRandomState();
        world.moveActors();
        return drawsBetween(before, gameRandomState());
    }
    std::int32_t penCell(int row, int column) {
        return game().structureAt(penCellX(SiteX, column), penCellY(SiteY, row));
    }
    void expectFinishedPen() {
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 6; ++column) {
                EXPECT_EQ(penCell(row, column), FinishedPen[row][column]) << row << "," << column;
            }
        }
    }
};

TEST_F(Builders, ACowBoyPutsUpHisPenPieceByPieceAroundTheRing) {
    world.place(game().cowboys[0], SiteX, SiteY, 2);
    std::array<std::array<int, 6>, 6> finished{}; // the order in which he finished the pieces
    int pieces = 0;
    int firstFrame = 0;
    for (int frame = 1; pieces < 20 && frame < 3000; ++frame) {
        // While the pen is incomplete his ten cows are sent to new spots every frame.
        ASSERT_EQ(drawsInAFrame(), 20) << "frame " << frame;
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 6; ++column) {
                const std::int32_t cell = penCell(row, column);
                if (finished[row][column] == 0 && cell != Structure::Empty &&
                    cell != Structure::FarmHouseDown) {
                    finished[row][column] = ++pieces;
                    firstFrame = firstFrame == 0 ? frame : firstFrame;
                }
            }
        }
    }
    EXPECT_EQ(finished, BuildingOrder);
    expectFinishedPen();
    // Eleven frames' walk to the first piece and its hundred frames of work.
    EXPECT_EQ(firstFrame, 11 + 1 + 100);
    EXPECT_EQ(drawsInAFrame(), 0); // the pen stands: his cows stay where they are
}

TEST_F(Builders, AWreckedPieceIsMendedWhileTheCowsRunLoose) {
    putUpPen(game(), SiteX, SiteY);
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    for (int i = 0; i < 10; ++i) {
        game().cows[i].penned = 1;
    }
    game().whirlwindX = SiteX - 192; // over the twelfth piece, on the left side
    game().whirlwindY = SiteY + 96;
    const std::uint32_t crashes = world.plays(GameSound::Crush);
    world.stepWorld();
    EXPECT_EQ(world.plays(GameSound::Crush), crashes + 1);
    EXPECT_EQ(penCell(3, 0), Structure::FarmHouseDown);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game().cows[i].penned, 0);
        EXPECT_NE(game().cows[i].siteX, ParkX);
    }
    EXPECT_EQ(game().cows[10].siteX, ParkX); // another cowboy's cow

    game().whirlwindX = 6400;
    int frames = 0;
    int workFrom = 0;
    while (penCell(3, 0) != Structure::Fence_RLSide && frames < 1000) {
        ASSERT_EQ(drawsInAFrame(), 20);
        ++frames;
        workFrom = workFrom == 0 && cowboy.workTimer == 100 ? frames : workFrom;
    }
    EXPECT_EQ(frames - workFrom, 100);
    expectFinishedPen();
    EXPECT_EQ(drawsInAFrame(), 0);
}

} // namespace
