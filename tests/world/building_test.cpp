// Building at a site: the tepee's five hundred frames of work, the tolerance of ten pixels,
// work that survives running away, a pen put up piece by piece around its ring, and a wrecked
// piece mended while the cowboy's cows run loose.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pen_picture.h"
#include "world_fixture.h"

namespace {

class Builders : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.started()); }
    Game& game() { return world.game(); }

    GameFolder folder;
    World world{folder};
};

TEST_F(Builders, ATepeeTakesFiveHundredFramesOfWorkAndOneCrashToWreck) {
    Actor& indian = world.place(game().indians[0], 3000, 3000);
    world.moveActors();
    EXPECT_EQ(game().structureAt(3000, 3000), TepeeDown);
    EXPECT_EQ(indian.workTimer, 500);
    world.moveActors(499);
    EXPECT_EQ(game().structureAt(3000, 3000), TepeeDown);
    world.moveActors();
    EXPECT_EQ(game().structureAt(3000, 3000), Tepee);
    EXPECT_EQ(indian.workTimer, 0);
    EXPECT_EQ(indian.x, 3000);
    EXPECT_EQ(indian.y, 3000);

    // The whirlwind sweeps across the tepee from the left, the Indian safely out of the way.
    indian.x = ParkX;
    indian.y = ParkY;
    standStill(indian);
    game().whirlwindX = 3000 - 60;
    game().whirlwindY = 3000;
    game().whirlwindStep = 5;
    game().keyDirX = 1;
    const std::uint32_t crashes = world.plays(GameSound::Crush);
    for (int frame = 0; frame < 30; ++frame) {
        world.stepWorld();
    }
    EXPECT_EQ(game().whirlwindX, 3000 + 90);
    EXPECT_EQ(game().structureAt(3000, 3000), TepeeDown);
    EXPECT_EQ(world.plays(GameSound::Crush), crashes + 1);

    // Back at his site he builds it again from the start.
    world.place(indian, 3000, 3000);
    world.moveActors(501);
    EXPECT_EQ(game().structureAt(3000, 3000), Tepee);
}

TEST_F(Builders, BuildersWorkWithinTenPixelsOfTheSite) {
    Actor& close = world.place(game().farmers[0], 3000, 3000);
    close.x = 3000 - 10;
    close.y = 3000 + 10;
    Actor& far = world.place(game().farmers[1], 3500, 3000, 2);
    far.x = 3500 - 11;
    world.moveActors();
    EXPECT_EQ(game().structureAt(3000, 3000), FarmHouseDown);
    EXPECT_EQ(close.x, 2990);
    EXPECT_EQ(close.y, 3010);
    EXPECT_EQ(game().structureAt(3500, 3000), Empty);
    EXPECT_EQ(far.x, 3500 - 9);
    world.moveActors();
    EXPECT_EQ(game().structureAt(3500, 3000), FarmHouseDown);
    EXPECT_EQ(far.workTimer, 500);
}

TEST_F(Builders, WorkGoesOnWhereItStoppedAfterRunningAway) {
    Actor& farmer = world.place(game().farmers[0], 3000, 3000);
    game().setStructureAt(3000, 3000, FarmHouseDown);
    farmer.workTimer = 250;
    farmer.fleeTimer = 3;
    world.moveActors(3);
    EXPECT_EQ(farmer.workTimer, 250);
    EXPECT_EQ(farmer.x, 3000 - 9); // away from the whirlwind far to the upper right
    EXPECT_EQ(farmer.y, 3000 + 9);
    world.moveActors(); // still within ten pixels: straight back to work
    EXPECT_EQ(farmer.workTimer, 249);
}

constexpr int SiteX = 125 * 32 + 16;
constexpr int SiteY = 125 * 32 + 16;

TEST_F(Builders, ACowBoyPutsUpHisPenPieceByPieceAroundTheRing) {
    // The order in which the pieces stand finished: down the right side, along the bottom,
    // up the left side and along the top.
    constexpr int Order[6][6] = {
        {15, 16, 17, 18, 19, 20}, {14, 0, 0, 0, 0, 1}, {13, 0, 0, 0, 0, 2},
        {12, 0, 0, 0, 0, 3},      {11, 0, 0, 0, 0, 4}, {10, 9, 8, 7, 6, 5},
    };
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    int finishedAt[6][6] = {};
    int frame = 0;
    int finished = 0;
    while (finished < 20 && frame < 3000) {
        const std::uint32_t before = gameRandomState();
        world.moveActors();
        ++frame;
        // While the pen is incomplete his ten cows are sent off to new spots every frame.
        ASSERT_EQ(drawsBetween(before, gameRandomState()), 20) << "frame " << frame;
        for (int row = 0; row < 6; ++row) {
            for (int column = 0; column < 6; ++column) {
                const std::int32_t cell =
                    game().structureAt(penCellX(SiteX, column), penCellY(SiteY, row));
                if (finishedAt[row][column] == 0 && cell != Empty && cell != FarmHouseDown) {
                    finishedAt[row][column] = frame;
                    ++finished;
                }
            }
        }
    }
    ASSERT_EQ(finished, 20);
    std::vector<int> frames;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            EXPECT_EQ(game().structureAt(penCellX(SiteX, column), penCellY(SiteY, row)),
                      FinishedPen[row][column])
                << "row " << row << ", column " << column;
            if (finishedAt[row][column] != 0) {
                frames.push_back(finishedAt[row][column]);
            }
        }
    }
    std::sort(frames.begin(), frames.end());
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int rank = finishedAt[row][column] == 0
                                 ? 0
                                 : static_cast<int>(std::find(frames.begin(), frames.end(),
                                                              finishedAt[row][column]) -
                                                    frames.begin()) +
                                       1;
            EXPECT_EQ(rank, Order[row][column]) << "row " << row << ", column " << column;
        }
    }
    // Eleven frames' walk to the first piece, then a hundred frames of work after the first.
    EXPECT_EQ(frames.front(), 11 + 1 + 100);
    EXPECT_EQ(game().structureAt(SiteX, SiteY), Empty);

    // With the pen standing, no more cows are sent off: he goes to fetch his first cow.
    const std::uint32_t before = gameRandomState();
    const int x = cowboy.x;
    world.moveActors();
    EXPECT_EQ(drawsBetween(before, gameRandomState()), 0);
    EXPECT_EQ(cowboy.x, x - 2); // toward the first cow, parked far to the lower left
}

TEST_F(Builders, AWreckedPieceIsMendedWhileTheCowsRunLoose) {
    putUpPen(game(), SiteX, SiteY);
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    for (int i = 0; i < 10; ++i) {
        game().cows[i].penned = 1;
    }
    // Piece 12, on the left side, three cells down.
    const int pieceX = penCellX(SiteX, 0);
    const int pieceY = penCellY(SiteY, 3);
    game().whirlwindX = pieceX;
    game().whirlwindY = pieceY;
    const std::uint32_t crashes = world.plays(GameSound::Crush);
    world.stepWorld();
    EXPECT_EQ(world.plays(GameSound::Crush), crashes + 1);
    EXPECT_EQ(game().structureAt(pieceX, pieceY), FarmHouseDown);
    for (int i = 0; i < 10; ++i) {
        const Actor& cow = game().cows[i];
        EXPECT_EQ(cow.penned, 0) << "cow " << i;
        EXPECT_EQ(cow.siteX % 32, 0);
        EXPECT_GE(cow.siteX, 25 * 32);
        EXPECT_LT(cow.siteX, 195 * 32);
        EXPECT_GE(cow.siteY, 25 * 32);
        EXPECT_LT(cow.siteY, 195 * 32);
    }
    EXPECT_EQ(game().cows[10].penned, 0); // another cowboy's cow keeps its spot
    EXPECT_EQ(game().cows[10].siteX, ParkX);

    game().whirlwindX = 6400;
    game().whirlwindY = 640;
    int frames = 0;
    int workStarted = 0;
    while (game().structureAt(pieceX, pieceY) != Fence_RLSide && frames < 1000) {
        const std::uint32_t before = gameRandomState();
        world.moveActors();
        ++frames;
        ASSERT_EQ(drawsBetween(before, gameRandomState()), 20) << "frame " << frames;
        if (workStarted == 0 && cowboy.workTimer == 100) {
            workStarted = frames;
        }
    }
    ASSERT_EQ(game().structureAt(pieceX, pieceY), Fence_RLSide);
    ASSERT_NE(workStarted, 0);
    EXPECT_EQ(frames - workStarted, 100);
    EXPECT_LE(std::abs(cowboy.x - pieceX), 10);
    EXPECT_LE(std::abs(cowboy.y - pieceY), 10);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            EXPECT_EQ(game().structureAt(penCellX(SiteX, column), penCellY(SiteY, row)),
                      FinishedPen[row][column]);
        }
    }

    const std::uint32_t before = gameRandomState();
    world.moveActors();
    EXPECT_EQ(drawsBetween(before, gameRandomState()), 0);
}

} // namespace
