// The walking figures and the whirlwind: when it frightens them, which way they run, when it
// catches them, the eight headings; the table of kinds row by row (fright, roaming back to the
// site, new headings, where and how fast a caught figure comes back, building times); and cows
// and cowboys: a loose cow follows the first cowboy close by, and a cowboy whose pen stands
// leads a cow into it.
#include <gtest/gtest.h>

#include <tuple>

#include "world_fixture.h"

namespace {

constexpr int WX = 3200; // the whirlwind, in the middle of open grass
constexpr int WY = 3200;

class Actors : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        game().whirlwindX = WX;
        game().whirlwindY = WY;
    }
};

TEST_F(Actors, TheWhirlwindIsNearWithinAHundredPixelsButNeverWhenLevel) {
    const int cases[][3] = {{50, 0, false},  {50, 1, true},    {0, 50, false},
                            {99, -99, true}, {100, 50, false}, {-50, -100, false}};
    for (const auto& c : cases) {
        Actor& farmer = standStill(world.place(game().farmers[0], WX + c[0], WY + c[1]));
        world.moveActors();
        EXPECT_EQ(farmer.fleeTimer, c[2] ? 150 - 1 : 0) << "at " << c[0] << ", " << c[1];
    }
}

TEST_F(Actors, RunningFiguresGoDiagonallyAwayAndLeftOrDownWhenLevel) {
    // dx, dy from the whirlwind; the move; frightened anew (flee time 200 - 1) or running on.
    const int cases[][5] = {{40, 40, 4, 4, 199},
                            {-40, -40, -4, -4, 199},
                            {40, -40, 4, -4, 199},
                            {0, 40, -4, 4, 4},
                            {40, 0, 4, 4, 4}};
    for (const auto& c : cases) {
        Actor& indian = world.place(game().indians[0], WX + c[0], WY + c[1], 2);
        indian.fleeTimer = 5;
        world.moveActors();
        EXPECT_EQ(indian.x - WX, c[0] + c[2]) << "from " << c[0] << ", " << c[1];
        EXPECT_EQ(indian.y - WY, c[1] + c[3]) << "from " << c[0] << ", " << c[1];
        EXPECT_EQ(indian.fleeTimer, c[4]);
    }
}

TEST_F(Actors, TheCatchBoxLeavesOutItsEdges) {
    // The whole box is near, so the farmer first runs three pixels right and down; these are
    // the points where he ends up.
    const int cases[][3] = {{20, 10, true},  {11, 6, true},  {34, 29, true}, {10, 10, false},
                            {35, 10, false}, {20, 5, false}, {20, 30, false}};
    for (const auto& c : cases) {
        world.place(game().farmers[1], WX + c[0] - 3, WY + c[1] - 3);
        const std::int32_t before = game().caught[kindIndex(ActorKind::Farmer)];
        world.moveActors();
        EXPECT_EQ(game().caught[kindIndex(ActorKind::Farmer)], before + c[2])
            << "at " << c[0] << ", " << c[1];
    }
}

TEST_F(Actors, WanderingFiguresWalkTheirHeadingAndStandStillFromEightOn) {
    // heading, move per step (y grows downward)
    const int cases[][3] = {{0, -1, -1}, {1, 1, 1},  {2, -1, 0}, {3, 0, 1}, {4, -1, 1},
                            {5, 1, 0},   {6, 0, -1}, {7, 1, -1}, {8, 0, 0}, {9, 0, 0}};
    for (const auto& c : cases) {
        Actor& indian = world.place(game().indians[0], 2000, 2000, 3);
        indian.heading = c[0];
        indian.wanderTimer = 5;
        world.moveActors();
        EXPECT_EQ(indian.x - 2000, 3 * c[1]) << "heading " << c[0];
        EXPECT_EQ(indian.y - 2000, 3 * c[2]) << "heading " << c[0];
        EXPECT_EQ(indian.wanderTimer, 4);
    }
}

// The table of kinds, row by row. Each kind's figure is the first of its table; cow 0 belongs
// to cowboy 0.
struct KindHabits {
    ActorKind kind;
    bool penned;
    int fleeTime;
    int roamRange;
    int headingRange;
    int wanderTime;
};
constexpr KindHabits Habits[] = {
    {ActorKind::Indian, false, 200, 300, 10, 20}, {ActorKind::Farmer, false, 150, 300, 30, 50},
    {ActorKind::Cow, false, 600, 500, 50, 100},   {ActorKind::Cow, true, 0, 50, 50, 10},
    {ActorKind::CowBoy, false, 150, 500, 50, 50},
};

constexpr int SiteX = 5000; // far from the whirlwind and from every parked figure
constexpr int SiteY = 2000;

class Kinds : public Actors {
protected:
    Actor& figureOf(ActorKind kind) {
        Actor* figures[] = {&game().indians[0], &game().farmers[0], &game().cows[0],
                            &game().cowboys[0]};
        return *figures[kindIndex(kind)];
    }
    void park(Actor& figure) { standStill(world.place(figure, ParkX, ParkY)); }
    // The kind's figure in its site phase near the site, with nothing left to do there: its
    // building stands; a cowboy's pen stands with all his cows in it.
    Actor& idleFigure(const KindHabits& row, int dx, int dy) {
        Actor& figure = world.place(figureOf(row.kind), SiteX, SiteY, 2);
        figure.x += dx;
        figure.y += dy;
        figure.penned = row.penned;
        game().setStructureAt(
            SiteX, SiteY, row.kind == ActorKind::Indian ? Structure::Tepee : Structure::FarmHouse);
        if (row.kind == ActorKind::CowBoy) {
            putUpPen(game(), SiteX, SiteY);
            for (int i = 0; i < 10; ++i) {
                game().cows[i].penned = 1;
            }
        }
        return figure;
    }
};

TEST_F(Kinds, EachKindRunsForItsOwnTimeAndRoamsBackWithinItsOwnRange) {
    for (const KindHabits& row : Habits) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << kindIndex(row.kind) << (row.penned ? " penned" : ""));
        // Running already, near the whirlwind and far from it: a cow in its pen stops even so.
        for (const int away : {50, 500}) {
            Actor& frightened = idleFigure(row, WX + away - SiteX, WY + away - SiteY);
            frightened.fleeTimer = 5;
            world.moveActors();
            EXPECT_EQ(frightened.fleeTimer, row.penned ? 0 : away == 50 ? row.fleeTime - 1 : 4);
            park(frightened);
        }

        // Offsets from the site, and the move they give: x first, each bound of the square
        // included; inside it the figure turns to a new heading instead.
        const int r = row.roamRange;
        const int cases[][4] = {{-r - 1, 0, 2, 0}, {r + 1, -r - 1, -2, 0}, {0, -r - 1, 0, 2},
                                {r, r + 1, 0, -2}, {-r, r, 0, 0},          {r, -r, 0, 0}};
        for (const auto& c : cases) {
            Actor& figure = idleFigure(row, c[0], c[1]);
            setGameRandomState(1); // the next number is 41
            world.moveActors();
            EXPECT_EQ(figure.x - SiteX, c[0] + c[2]) << "from " << c[0] << ", " << c[1];
            EXPECT_EQ(figure.y - SiteY, c[1] + c[3]) << "from " << c[0] << ", " << c[1];
            const bool turned = c[2] == 0 && c[3] == 0;
            EXPECT_EQ(figure.heading, turned ? 41 % row.headingRange : 0);
            EXPECT_EQ(figure.wanderTimer, turned ? row.wanderTime : 0);
            park(figure);
        }
    }
}

// A caught figure is counted (up to 1000), gives its kind's call, loses its work and starts
// again at once: r1 and r2 pick the tile of its kind's square, r3 and r4 a new site within ten
// tiles, and one r1 in a hundred (r1 mod 100 = 32) makes it quick. It keeps its heading.
TEST_F(Kinds, ACaughtFigureComesBackInItsKindsSquareAtItsKindsSpeed) {
    struct Row {
        ActorKind kind;
        TileSquare square;
        int quickStep;
        bool alwaysQuick;
        bool newSite;
        bool clearsSite;
        GameSound call;
    };
    const Row rows[] = {
        {ActorKind::Indian, {25, 20, 30, 20}, 2, false, true, true, GameSound::Indian},
        {ActorKind::Farmer, {50, 150, 25, 70}, 2, false, true, true, GameSound::Farm},
        {ActorKind::Cow, {25, 170, 25, 170}, 3, false, true, false, GameSound::Cow},
        {ActorKind::CowBoy, {50, 150, 100, 70}, 2, true, false, false, GameSound::CowBoy},
    };
    // The generator's state just before the first of its numbers that makes a figure quick,
    // or not.
    const auto stateBefore = [](bool quick) {
        setGameRandomState(1);
        for (std::uint32_t state = 1;; state = gameRandomState()) {
            if ((gameRandom() % 100 == 32) == quick) {
                return state;
            }
        }
    };
    for (const Row& row : rows) {
        for (const bool quick : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << kindIndex(row.kind) << (quick ? " quick" : ""));
            headless::advanceClock(1000); // the call of the last catch has died away
            const std::uint32_t state = stateBefore(quick);
            setGameRandomState(state);
            const int r[] = {gameRandom(), gameRandom(), gameRandom(), gameRandom()};
            setGameRandomState(state);
            Actor& figure = world.place(figureOf(row.kind), WX + 17, WY + 7);
            figure.siteX = figure.siteY = 4000;
            figure.penned = 1;
            figure.workTimer = 123;
            figure.heading = 6;
            game().setStructureAt(4000, 4000, Structure::Fence_TRCorner);
            game().caught[kindIndex(row.kind)] = quick ? 1000 : 999;
            const std::uint32_t calls = world.plays(row.call);
            world.moveActors();

            const TileSquare& s = row.square;
            EXPECT_EQ(figure.x, (r[0] % s.columns + s.firstColumn) * 32);
            EXPECT_EQ(figure.y, (r[1] % s.rows + s.firstRow) * 32);
            EXPECT_EQ(figure.step, quick || row.alwaysQuick ? row.quickStep : 1);
            EXPECT_EQ(figure.siteX, row.newSite ? figure.x + (r[2] % 20 - 10) * 32 : 4000);
            EXPECT_EQ(figure.siteY, row.newSite ? figure.y + (r[3] % 20 - 10) * 32 : 4000);
            EXPECT_EQ(game().structureAt(4000, 4000),
                      row.clearsSite ? Structure::Empty : Structure::Fence_TRCorner);
            EXPECT_EQ(std::make_tuple(figure.penned, figure.workTimer, figure.heading),
                      std::make_tuple(0, 0, 6));
            EXPECT_EQ(game().caught[kindIndex(row.kind)], 1000);
            EXPECT_EQ(world.plays(row.call), calls + 1);
            EXPECT_EQ(drawsBetween(state, gameRandomState()), 4);
            park(figure);
        }
    }
}

// Indians and farmers stand their building on the frame after its last frame of work.
TEST_F(Kinds, BuildersWorkFiveHundredFramesAtTheirSite) {
    const std::int32_t plans[][3] = {
        {kindIndex(ActorKind::Indian), Structure::TepeeDown, Structure::Tepee},
        {kindIndex(ActorKind::Farmer), Structure::FarmHouseDown, Structure::FarmHouse}};
    for (const auto& plan : plans) {
        Actor& builder = world.place(figureOf(kindAt(plan[0])), SiteX, SiteY);
        builder.x = SiteX - 10; // close enough to work
        builder.y = SiteY + 10;
        game().setStructureAt(SiteX, SiteY, Structure::Empty);
        world.moveActors(500);
        EXPECT_EQ(game().structureAt(SiteX, SiteY), plan[1]) << "kind " << plan[0];
        world.moveActors();
        EXPECT_EQ(game().structureAt(SiteX, SiteY), plan[2]) << "kind " << plan[0];
        EXPECT_EQ(builder.x, SiteX - 10);
        park(builder);
    }
}

TEST(ActorsOnWater, IndiansPaddleAcrossWaterWhereTheOthersStopAtTheBank) {
    GameFolder folder;
    folder.draw(100, 100, {"..~~~.."});
    World world(folder);
    ASSERT_TRUE(world.started());
    Game& game = world.game();
    Actor* walkers[] = {&game.indians[0], &game.farmers[0], &game.cows[0], &game.cowboys[0]};
    for (Actor* walker : walkers) {
        world.place(*walker, 101 * 32 + 20, 100 * 32 + 10).heading = 5; // right
        walker->wanderTimer = 100;
    }
    world.moveActors(100);
    EXPECT_EQ(game.indians[0].x, 101 * 32 + 120);
    for (Actor* walker : {walkers[1], walkers[2], walkers[3]}) {
        EXPECT_EQ(walker->x, 102 * 32 - 1);
    }
}

using Herding = WorldTest;

TEST_F(Herding, ALooseCowFollowsTheFirstCowBoyInTableOrder) {
    Actor& cow = world.place(game().cows[20], 3000, 3000);
    game().cowboys[1].x = 3000 + 99; // in reach up to 99 pixels, level included
    game().cowboys[1].y = 3000;
    game().cowboys[3].x = game().cowboys[3].y = 3000 - 50;
    world.moveActors();
    EXPECT_EQ(cow.x, 3001);
    EXPECT_EQ(cow.y, 3001);            // level with him, it steps down all the same
    game().cowboys[1].x = cow.x + 100; // out of reach: the next one in the table
    world.moveActors();
    EXPECT_EQ(cow.x, 3000);
    EXPECT_EQ(cow.y, 3000);
}

TEST_F(Herding, ACowBoyFetchesACowAndLeadsItIntoHisPen) {
    constexpr int SiteX = 100 * 32;
    constexpr int SiteY = 100 * 32;
    putUpPen(game(), SiteX, SiteY);
    Actor& cowboy = world.place(game().cowboys[0], SiteX, SiteY, 2);
    for (int i = 1; i < 10; ++i) {
        game().cows[i].penned = 1;
    }
    Actor& cow = world.place(game().cows[0], SiteX + 400, SiteY + 150);
    cow.siteX = SiteX + 3000; // it ambles off to the right
    world.moveActors();
    EXPECT_EQ(cowboy.x, SiteX + 2); // fetching: both axes at his step
    EXPECT_EQ(cowboy.y, SiteY + 2);
    for (int frame = 0; frame < 5000 && cow.penned == 0; ++frame) {
        world.moveActors();
    }
    ASSERT_EQ(cow.penned, 1);
    EXPECT_LE(std::abs(cowboy.x - SiteX), 10);
    EXPECT_LE(std::abs(cowboy.y - SiteY), 10);
    EXPECT_EQ(cow.siteX, SiteX - 64);
    EXPECT_EQ(cow.siteY, SiteY + 128);
    // Once it has walked in, it grazes inside the ring, near the whirlwind but out of reach.
    world.moveActors(400);
    game().whirlwindX = cow.siteX + 70;
    game().whirlwindY = cow.siteY + 70;
    for (int frame = 0; frame < 300; ++frame) {
        world.moveActors();
        ASSERT_EQ(cow.fleeTimer, 0);
        ASSERT_TRUE(cow.x > penCellX(SiteX, 0) && cow.x < SiteX);
        ASSERT_TRUE(cow.y > SiteY && cow.y < penCellY(SiteY, 6));
    }
}

} // namespace
