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

// The map as the file lists it: rows of numbers, top row first.
struct MapFile {
    std::vector<std::vector<long>> rows;

    int at(int column, int row) const {
        if (column < 0 || row < 0 || column >= MapColumns || row >= MapRows) {
            return Water; // the game treats the world beyond the map as water
        }
        return static_cast<int>(rows[row][column]);
    }
    bool blocks(int column, int row) const { return blocksMovement(at(column, row)); }
};

const MapFile& mapFile() {
    static const MapFile map = [] {
        MapFile file;
        std::istringstream lines(readFile(gameFolder() + "/Terrain.dat"));
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream numbers(line);
            std::vector<long> row;
            long value = 0;
            while (numbers >> value) {
                row.push_back(value);
            }
            file.rows.push_back(row);
        }
        return file;
    }();
    return map;
}

// Every cell the whirlwind can stand in. In one frame it moves at most 50 pixels on each
// axis (20 by the keys and 30 by the mouse), so at most two cells; a move along an axis is
// undone when the ground at (new x, old y), or at (old x, new y), blocks. The camera holds
// it at x >= 480 and y >= 288, columns 15 and rows 9 on. Taking every pixel of a cell as
// reachable once the cell is makes this a safe over-estimate.
std::vector<std::vector<bool>> reachableCells(const MapFile& map) {
    std::vector<std::vector<bool>> seen(MapColumns, std::vector<bool>(MapRows, false));
    std::deque<std::pair<int, int>> open = {{6400 / 32, 640 / 32}};
    seen[open.front().first][open.front().second] = true;
    while (!open.empty()) {
        const auto [column, row] = open.front();
        open.pop_front();
        for (int dx = -2; dx <= 2; ++dx) {
            if (dx != 0 && map.blocks(column + dx, row)) {
                continue;
            }
            for (int dy = -2; dy <= 2; ++dy) {
                if (dy != 0 && map.blocks(column, row + dy)) {
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

TEST(TerrainFile, HoldsTwoHundredSixteenRowsOfGroundValues) {
    const MapFile& map = mapFile();
    ASSERT_EQ(map.rows.size(), 216u);
    for (const auto& row : map.rows) {
        ASSERT_EQ(row.size(), 217u);
        for (long value : row) {
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 124);
        }
    }
}

TEST(TerrainFile, WhirlwindStartsOnGrassAndCannotLeaveItsCountry) {
    const MapFile& map = mapFile();
    ASSERT_EQ(map.rows.size(), 216u);
    EXPECT_EQ(map.at(200, 20), Grass);
    const auto reachable = reachableCells(map);
    int count = 0;
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            if (reachable[column][row]) {
                ++count;
                // Beyond x 6463 or y 6623 the view would run off the map.
                EXPECT_LE(column, 6463 / 32) << "reaches column " << column << " row " << row;
                EXPECT_LE(row, 6623 / 32) << "reaches column " << column << " row " << row;
            }
        }
    }
    EXPECT_GT(count, 20000) << "the whirlwind should roam most of the map";
}

TEST(TerrainFile, TargetIsWholeInViewFromTheStartAndOnlyReachedByThrowing) {
    const MapFile& map = mapFile();
    ASSERT_EQ(map.rows.size(), 216u);
    const auto reachable = reachableCells(map);
    std::vector<int> found(125, 0);
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            const int value = map.at(column, row);
            if (value < Target001) {
                continue;
            }
            ++found[value];
            EXPECT_FALSE(reachable[column][row]) << "the whirlwind can stand on the target";
            // From (6400, 640) the view shows columns 185..214 and rows 11..29.
            EXPECT_GE(column, 185);
            EXPECT_LE(column, 214);
            EXPECT_GE(row, 11);
            EXPECT_LE(row, 29);
        }
    }
    for (int value = Target001; value <= LastTarget; ++value) {
        EXPECT_EQ(found[value], 1) << "target tile " << value;
    }
}

TEST(TerrainFile, TargetRingsAreCentredOnTheScoringPoint) {
    const MapFile& map = mapFile();
    ASSERT_EQ(map.rows.size(), 216u);
    // Paints the target's surroundings from the tiles the map puts there.
    auto pixel = [&](int x, int y) {
        const int value = map.at(x / 32, y / 32);
        if (value < Target001) {
            return Colour{-1, -1, -1};
        }
        char name[24];
        std::snprintf(name, sizeof name, "Target%03d", value - Target001 + 1);
        static std::vector<Bitmap> tiles(110);
        Bitmap& tile = tiles[value - Target001 + 1];
        if (tile.width == 0) {
            tile = gameBitmap(name);
        }
        return tile.colourAt(x % 32, y % 32);
    };
    const int cx = 6694;
    const int cy = 678;
    ASSERT_NE(pixel(cx, cy).red, -1) << "no target tile under the scoring point";
    const Colour eye = pixel(cx - 9, cy); // halfway out in the bull's eye
    // A pixel belongs to the bull's eye when its colour is nearer the eye's than the next
    // ring's.
    const Colour ring = pixel(cx + 30, cy);
    auto distance = [](const Colour& a, const Colour& b) {
        return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
    };
    auto isEye = [&](const Colour& c) { return distance(c, eye) < distance(c, ring); };
    // The bull's eye ends 17 pixels out in every direction, and so does the 50 ring at 42.
    for (int step = 0; step < 16; ++step) {
        const double a = step * 3.14159265358979 / 8.0;
        int edge = 0;
        while (edge < 60 && isEye(pixel(cx + static_cast<int>(std::lround(std::cos(a) * edge)),
                                        cy + static_cast<int>(std::lround(std::sin(a) * edge))))) {
            ++edge;
        }
        EXPECT_NEAR(edge, 17, 2) << "direction " << step;
    }
}

TEST(TerrainFile, EveryKindHasLandWhereItIsPlaced) {
    const MapFile& map = mapFile();
    ASSERT_EQ(map.rows.size(), 216u);
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
                open += !map.blocks(column, row);
            }
        }
        EXPECT_GE(open * 100, all * 85) << square.kind;
    }
    // The Indians' camp lies by water, which they cross by canoe.
    int water = 0;
    int grass = 0;
    for (int column = 25; column <= 44; ++column) {
        for (int row = 30; row <= 49; ++row) {
            water += map.at(column, row) == Water;
            grass += map.at(column, row) == Grass;
        }
    }
    EXPECT_GE(water, 10);
    EXPECT_GE(grass, 280);
}

} // namespace
