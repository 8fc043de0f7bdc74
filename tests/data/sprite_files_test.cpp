// The sprite bitmaps as the game loads them: every file of the catalogue at its size, in the
// one palette, the transparent key only where the game sets it, and pieces that fit together.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "game_files.h"

namespace {

struct Entry {
    std::string name;
    int width;
    int height;
    bool keyed;
};

std::vector<Entry> catalogue() {
    std::vector<Entry> list = {{"Cursor", 32, 32, true}, {"Character", 128, 32, true}};
    for (const char* ground : {"Water", "Grass", "LeftBank", "RightBank", "TopBank", "BottomBank",
                               "BotLftBank", "BotRhtBank", "TopRhtBank", "TopLftBank", "Building",
                               "Collumn", "DropBomb", "Buinldinm_Top", "Blast", "Burnt"}) {
        list.push_back({ground, 128, 32, false});
    }
    for (int n = 1; n <= 109; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Target%03d", n);
        list.push_back({name, 128, 32, false});
    }
    for (const char* structure :
         {"Tepee", "TepeeDown", "FarmHouse", "FarmHouseDown", "Fence_RLSide", "Fence_TBSide",
          "Fence_TLCorner", "Fence_TRCorner", "Fence_BLCorner", "Fence_BRCorner"}) {
        list.push_back({structure, 128, 32, true});
    }
    for (const char* figure : {"Indian", "Cannoe", "Farmer", "Cow", "CowBoy", "Flying_Indian",
                               "Fallen_Indian", "Flying_Farmer", "Fallen_Farmer", "Flying_Cow",
                               "Fallen_Cow", "Flying_CowBoy", "Fallen_CowBoy"}) {
        list.push_back({figure, 22, 22, true});
    }
    for (const char* kind : {"Indian", "Farmer", "Cow", "CowBoy"}) {
        list.push_back({std::string(kind) + "_Up", 60, 60, false});
        list.push_back({std::string(kind) + "_Down", 60, 60, false});
    }
    list.push_back({"Wind_Speed_Up", 60, 120, false});
    list.push_back({"Wind_Speed_Down", 60, 120, false});
    list.push_back({"Wind_Direction_Up", 120, 120, false});
    list.push_back({"Wind_Direction_Down", 120, 120, false});
    list.push_back({"Frame_Top", 1024, 32, false});
    list.push_back({"Frame_Bottom", 1024, 159, false});
    list.push_back({"Frame_Side_R", 32, 577, false});
    list.push_back({"Frame_Side_L", 32, 577, false});
    return list;
}

bool uses(const Bitmap& bitmap, std::uint8_t index) {
    for (std::uint8_t i : bitmap.indices) {
        if (i == index) {
            return true;
        }
    }
    return false;
}

TEST(SpriteFiles, EveryCatalogueFileIsAnEightBitBitmapInTheGamePalette) {
    const Bitmap top = gameBitmap("Frame_Top");
    ASSERT_EQ(catalogue().size(), 166u);
    for (const Entry& entry : catalogue()) {
        SCOPED_TRACE(entry.name);
        const Bitmap bitmap = gameBitmap(entry.name);
        ASSERT_GT(bitmap.width, 0) << "missing or not an 8-bit bitmap";
        EXPECT_EQ(bitmap.headerSize, 40);
        EXPECT_EQ(bitmap.width, entry.width);
        EXPECT_EQ(bitmap.height, entry.height);
        EXPECT_EQ(bitmap.colours, top.colours);
        std::set<std::uint8_t> used(bitmap.indices.begin(), bitmap.indices.end());
        used.erase(254);
        EXPECT_GE(used.size(), 3u) << "a flat placeholder";
    }
}

TEST(SpriteFiles, PaletteHasDistinctEntriesAndThePanelColours) {
    const Bitmap top = gameBitmap("Frame_Top");
    ASSERT_GT(top.width, 0);
    for (int i = 0; i < 256; ++i) {
        for (int j = i + 1; j < 256; ++j) {
            EXPECT_NE(top.colours[i], top.colours[j]) << i << " and " << j;
        }
    }
    const std::vector<Colour> needed = {{115, 115, 115}, {115, 0, 0}, {0, 0, 0}};
    for (const Colour& colour : needed) {
        EXPECT_NE(std::find(top.colours.begin(), top.colours.end(), colour), top.colours.end());
    }
}

TEST(SpriteFiles, OnlyKeyedSpritesPaintTheKeyAndTheirCornersAreClear) {
    for (const Entry& entry : catalogue()) {
        SCOPED_TRACE(entry.name);
        const Bitmap bitmap = gameBitmap(entry.name);
        ASSERT_GT(bitmap.width, 0);
        if (!entry.keyed) {
            EXPECT_FALSE(uses(bitmap, 254));
            continue;
        }
        // Each 32-wide cell of a strip (or the whole figure) stands free of its corners.
        const int cell = std::min(bitmap.width, 32);
        for (int left = 0; left < bitmap.width; left += cell) {
            EXPECT_EQ(bitmap.at(left, 0), 254);
            EXPECT_EQ(bitmap.at(left + cell - 1, bitmap.height - 1), 254);
        }
    }
}

TEST(SpriteFiles, CursorPointsWithTheMiddleOfItsTopEdge) {
    const Bitmap cursor = gameBitmap("Cursor");
    ASSERT_GT(cursor.width, 0);
    std::vector<int> tip;
    for (int x = 0; x < 32; ++x) {
        if (cursor.at(x, 0) != 254) {
            tip.push_back(x);
        }
    }
    ASSERT_FALSE(tip.empty()) << "the tip must touch the top edge";
    EXPECT_EQ(tip.front() + tip.back(), 32) << "centred on column 16";
}

TEST(SpriteFiles, WhirlwindFramesAllDiffer) {
    const Bitmap strip = gameBitmap("Character");
    ASSERT_GT(strip.width, 0);
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            int different = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    different += strip.at(32 * a + x, y) != strip.at(32 * b + x, y);
                }
            }
            EXPECT_GT(different, 30) << "frames " << a << " and " << b;
        }
    }
}

// Along the edge two tiles share, the water on one side must meet water on the other.
void expectEdgeJoins(const std::string& first, const std::string& second, bool sideBySide) {
    SCOPED_TRACE(first + (sideBySide ? " | " : " / ") + second);
    const Bitmap a = gameBitmap(first);
    const Bitmap b = gameBitmap(second);
    ASSERT_GT(a.width, 0);
    ASSERT_GT(b.width, 0);
    int mismatches = 0;
    for (int i = 0; i < 32; ++i) {
        const Colour& near = sideBySide ? a.colourAt(31, i) : a.colourAt(i, 31);
        const Colour& far = sideBySide ? b.colourAt(0, i) : b.colourAt(i, 0);
        mismatches += isWatery(near) != isWatery(far);
    }
    EXPECT_LE(mismatches, 2);
}

TEST(SpriteFiles, BankPiecesJoinWaterAndGrassAroundAPond) {
    // A pond three cells square: the bank ring round one cell of water, with grass outside.
    const std::vector<std::vector<std::string>> pond = {
        {"Grass", "Grass", "Grass", "Grass", "Grass"},
        {"Grass", "TopLftBank", "TopBank", "TopRhtBank", "Grass"},
        {"Grass", "LeftBank", "Water", "RightBank", "Grass"},
        {"Grass", "BotLftBank", "BottomBank", "BotRhtBank", "Grass"},
        {"Grass", "Grass", "Grass", "Grass", "Grass"},
    };
    for (std::size_t row = 0; row < pond.size(); ++row) {
        for (std::size_t column = 0; column < pond[row].size(); ++column) {
            if (column + 1 < pond[row].size()) {
                expectEdgeJoins(pond[row][column], pond[row][column + 1], true);
            }
            if (row + 1 < pond.size()) {
                expectEdgeJoins(pond[row][column], pond[row + 1][column], false);
            }
        }
    }
    // A narrow stream is a left bank beside a right bank.
    expectEdgeJoins("LeftBank", "RightBank", true);
    expectEdgeJoins("TopBank", "BottomBank", false);
}

// Whether a fence piece's rails leave its cell through the middle of an edge.
struct Exits {
    bool north, south, west, east;
};

Exits exitsOf(const Bitmap& piece) {
    auto any = [&](int x0, int y0, int dx, int dy) {
        for (int i = 0; i < 8; ++i) {
            if (piece.at(x0 + dx * i, y0 + dy * i) != 254) {
                return true;
            }
        }
        return false;
    };
    return {any(12, 0, 1, 0), any(12, 31, 1, 0), any(0, 12, 0, 1), any(31, 12, 0, 1)};
}

TEST(SpriteFiles, FencePiecesCloseACowboysPen) {
    // The pen's 20 pieces in the order a cowboy builds them, in cells relative to his site.
    const struct {
        int column, row;
        const char* piece;
    } ring[] = {
        {-1, 1, "Fence_RLSide"},   {-1, 2, "Fence_RLSide"},   {-1, 3, "Fence_RLSide"},
        {-1, 4, "Fence_RLSide"},   {-1, 5, "Fence_BRCorner"}, {-2, 5, "Fence_TBSide"},
        {-3, 5, "Fence_TBSide"},   {-4, 5, "Fence_TBSide"},   {-5, 5, "Fence_TBSide"},
        {-6, 5, "Fence_BLCorner"}, {-6, 4, "Fence_RLSide"},   {-6, 3, "Fence_RLSide"},
        {-6, 2, "Fence_RLSide"},   {-6, 1, "Fence_RLSide"},   {-6, 0, "Fence_TLCorner"},
        {-5, 0, "Fence_TBSide"},   {-4, 0, "Fence_TBSide"},   {-3, 0, "Fence_TBSide"},
        {-2, 0, "Fence_TBSide"},   {-1, 0, "Fence_TRCorner"},
    };
    const int count = static_cast<int>(std::size(ring));
    for (int i = 0; i < count; ++i) {
        const auto& piece = ring[i];
        SCOPED_TRACE(piece.piece);
        const Bitmap bitmap = gameBitmap(piece.piece);
        ASSERT_GT(bitmap.width, 0);
        const Exits exits = exitsOf(bitmap);
        // It must run exactly toward the pieces before and after it in the ring.
        Exits wanted{false, false, false, false};
        for (const auto& other : {ring[(i + 1) % count], ring[(i + count - 1) % count]}) {
            wanted.north |= other.column == piece.column && other.row == piece.row - 1;
            wanted.south |= other.column == piece.column && other.row == piece.row + 1;
            wanted.west |= other.row == piece.row && other.column == piece.column - 1;
            wanted.east |= other.row == piece.row && other.column == piece.column + 1;
        }
        EXPECT_EQ(exits.north, wanted.north);
        EXPECT_EQ(exits.south, wanted.south);
        EXPECT_EQ(exits.west, wanted.west);
        EXPECT_EQ(exits.east, wanted.east);
    }
}

TEST(SpriteFiles, PanelLeavesGreyRoomWhereTheGamePrintsItsNumbers) {
    const Bitmap panel = gameBitmap("Frame_Bottom");
    ASSERT_GT(panel.width, 0);
    const struct {
        int x, y;
    } numbers[] = {{140, 647}, {140, 674}, {140, 702}, {140, 729},
                   {400, 647}, {400, 674}, {400, 729}};
    for (const auto& number : numbers) {
        SCOPED_TRACE(std::to_string(number.x) + "," + std::to_string(number.y));
        for (int y = number.y; y < number.y + 16; ++y) {
            for (int x = number.x; x < number.x + 64; ++x) {
                ASSERT_EQ(panel.colourAt(x, y - 609), (Colour{115, 115, 115})) << x << "," << y;
            }
        }
    }
}

} // namespace
