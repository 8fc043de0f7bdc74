// The map in Terrain.dat: its shape, the whirlwind's country fenced in by blocking ground,
// the target beyond it yet in view from the start, and land for every kind of figure.
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <sstream>
#include <vector>

#include "game_files.h"
#include "world/terrain.h"

namespace {

class TerrainFile : public ::testing::Test {
protected:
    // Every test first reads the map: 216 rows of 217 ground values, top row first.
    void SetUp() override {
        std::istringstream lines(readFile(gameDataFolder() + "/Terrain.dat"));
        for (std::string line; std::getline(lines, line);) {
            std::istringstream numbers(line);
            rows_.emplace_back();
            for (long value = 0; numbers >> value;) {
                ASSERT_TRUE(value >= 0 && value <= 124) << value;
                rows_.back().push_back(static_cast<int>(value));
            }
            ASSERT_EQ(rows_.back().size(), 217u);
        }
        ASSERT_EQ(rows_.size(), 216u);
    }

    // The game treats the world beyond the map as water.
    int at(int column, int row) const {
        const bool inside = column >= 0 && row >= 0 && column < MapColumns && row < MapRows;
        return inside ? rows_[row][column] : Ground::Water;
    }
    bool blocks(int column, int row) const { return blocksMovement(at(column, row)); }

    // Every cell the whirlwind can stand in. In one frame it moves at most 50 pixels on each
    // axis (20 by the keys and 30 by the mouse), so at most two cells; a move along an axis is
    // undone when the ground at (new x, old y), or at (old x, new y), blocks. The camera holds
    // it at x >= 480 and y >= 288, columns 15 and rows 9 on. Taking every pixel of a cell as
    // reachable once the cell is makes this a safe over-estimate.
    std::vector<std::vector<bool>> reachableCells() const {
        std::vector<std::vector<bool>> seen(MapColumns, std::vector<bool>(MapRows, false));
        std::deque<std::pair<int, int>> open = {{6400 / 32, 640 / 32}};
        seen[open.front().first][open.front().second] = true;
        while (!open.empty()) {
            const auto [column, row] = open.front();
            open.pop_front();
            for (int dx = -2; dx <= 2; ++dx) {
                if (dx != 0 && blocks(column + dx, row)) {
                    continue;
                }
                for (int dy = -2; dy <= 2; ++dy) {
                    if (dy != 0 && blocks(column, row + dy)) {
                        continue;
                    }
                    const int c = std::max(column + dx, 15);
                    const int r = std::max(row + dy, 9);
                    if (c < MapColumns && r < MapRows && !seen[c][r]) {
                        seen[c][r] = true;
                        open.push_back({c, r});
                    }
                }
            }
        }
        return seen;
    }

    std::vector<std::vector<int>> rows_;
};

TEST_F(TerrainFile, WhirlwindStaysInItsCountryAndSeesTheTargetBeyondIt) {
    EXPECT_EQ(at(200, 20), Ground::Grass); // where it starts
    const auto reachable = reachableCells();
    int roamed = 0;
    std::vector<int> targetTiles(125, 0);
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
            if (reachable[column][row]) {
                ++roamed;
                // Beyond x 6463 or y 6623 the view would run off the map.
                EXPECT_TRUE(column <= 6463 / 32 && row <= 6623 / 32);
            }
            if (at(column, row) >= Ground::Target001) {
                ++targetTiles[at(column, row)];
                EXPECT_FALSE(reachable[column][row]) << "the whirlwind can stand on the target";
                // From (6400, 640) the view shows columns 185..214 and rows 11..29.
                EXPECT_TRUE(column >= 185 && column <= 214 && row >= 11 && row <= 29);
            }
        }
    }
    EXPECT_GT(roamed, 20000) << "the whirlwind should roam most of the map";
    for (int value = Ground::Target001; value <= Ground::LastTarget; ++value) {
        EXPECT_EQ(targetTiles[value], 1) << "target tile " << value;
    }
}

TEST_F(TerrainFile, EveryBankFacesItsWater) {
    // A straight bank shows land on one side and water on the other: across its water side
    // lies water or the bank opposite, never dry land; across its land side lies no water.
    const struct {
        int bank, waterDx, waterDy;
    } banks[] = {{Ground::LeftBank, 1, 0},
                 {Ground::RightBank, -1, 0},
                 {Ground::TopBank, 0, 1},
                 {Ground::BottomBank, 0, -1}};
    const auto wet = [&](int column, int row) { return at(column, row) <= Ground::TopLftBank; };
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            for (const auto& bank : banks) {
                if (at(column, row) != bank.bank) {
                    continue;
                }
                SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
                EXPECT_TRUE(wet(column + bank.waterDx, row + bank.waterDy)) << "dry water side";
                const int landColumn = column - bank.waterDx;
                const int landRow = row - bank.waterDy;
                if (landColumn >= 0 && landRow >= 0 && landColumn < MapColumns &&
                    landRow < MapRows) {
                    EXPECT_NE(at(landColumn, landRow), Ground::Water) << "water on the land side";
                }
            }
        }
    }
}

TEST_F(TerrainFile, TargetRingsAreCentredOnTheScoringPoint) {
    std::vector<Bitmap> tiles;
    for (int n = 1; n <= Ground::LastTarget - Ground::Target001 + 1; ++n) {
        char name[24];
        std::snprintf(name, sizeof name, "Target%03d", n);
        tiles.push_back(gameBitmap(name));
    }
    // The target's surroundings as painted by the tiles the map puts there.
    const auto pixel = [&](int x, int y) {
        const int value = at(x / 32, y / 32);
        return value < Ground::Target001
                   ? Colour{-1, -1, -1}
                   : tiles[value - Ground::Target001].colourAt(x % 32, y % 32);
    };
    const int cx = 6694;
    const int cy = 678;
    ASSERT_NE(pixel(cx, cy).red, -1) << "no target tile under the scoring point";
    // A pixel belongs to the bull's eye when its colour is nearer the eye's (halfway out in
    // it) than the next ring's.
    const Colour eye = pixel(cx - 9, cy);
    const Colour ring = pixel(cx + 30, cy);
    const auto distance = [](const Colour& a, const Colour& b) {
        return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
    };
    // The bull's eye ends 17 pixels out in every direction.
    for (int step = 0; step < 16; ++step) {
        const double a = step * M_PI / 8.0;
        int edge = 0;
        for (; edge < 60; ++edge) {
            const Colour c = pixel(cx + static_cast<int>(std::lround(std::cos(a) * edge)),
                                   cy + static_cast<int>(std::lround(std::sin(a) * edge)));
            if (distance(c, eye) >= distance(c, ring)) {
                break;
            }
        }
        EXPECT_NEAR(edge, 17, 2) << "direction " << step;
    }
}

TEST_F(TerrainFile, EveryKindHasLandWhereItIsPlaced) {
    const struct {
        const char* kind;
        int left, right, top, bottom;
    } squares[] = {
        {"farmers", 50, 199, 25, 94}, {"cows", 25, 194, 25, 194}, {"cowboys", 50, 199, 100, 169}};
    for (const auto& square : squares) {
        int open = 0;
        int all = 0;
        for (int column = square.left; column <= square.right; ++column) {
            for (int row = square.top; row <= square.bottom; ++row) {
                ++all;
                open += !blocks(column, row);
            }
        }
        EXPECT_GE(open * 100, all * 85) << square.kind;
    }
    // The Indians' camp lies by water, which they cross by canoe.
    int water = 0;
    int grass = 0;
    for (int column = 25; column <= 44; ++column) {
        for (int row = 30; row <= 49; ++row) {
            water += at(column, row) == Ground::Water;
            grass += at(column, row) == Ground::Grass;
        }
    }
    EXPECT_GE(water, 10);
    EXPECT_GE(grass, 280);
}

} // namespace
