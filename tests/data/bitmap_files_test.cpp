// The bitmaps as the game loads them: every sprite of the catalogue and the two full-screen
// pictures at their size, in the one palette, the transparent key only where the game sets it,
// pieces that fit together, and room left where the game draws over them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "display/sprite_catalogue.h"
#include "game_files.h"

namespace {

// Every picture the game loads, at the size and with the key the game's catalogue gives it,
// then the title and the menu; at least three colours besides the key (64 for the two screens),
// so that no flat placeholder passes.
TEST(BitmapFiles, EachIsAnEightBitBitmapInTheGamePaletteWithTheKeyOnlyWhereSet) {
    std::vector<CatalogueEntry> pictures = spriteCatalogue();
    pictures.push_back({0, "Data\\Splash.bmp", 1024, 768, false});
    pictures.push_back({0, "Data\\Option.bmp", 1024, 768, false});
    const Bitmap top = gameBitmap("Frame_Top");
    for (const CatalogueEntry& picture : pictures) {
        const std::string name = picture.file.substr(5, picture.file.size() - 9);
        SCOPED_TRACE(name);
        const Bitmap bitmap = gameBitmap(name);
        ASSERT_GT(bitmap.width, 0) << "missing or not an 8-bit bitmap";
        EXPECT_EQ(bitmap.headerSize, 40);
        EXPECT_EQ(bitmap.width, picture.width);
        EXPECT_EQ(bitmap.height, picture.height);
        EXPECT_EQ(bitmap.colours, top.colours);
        std::set<std::uint8_t> used(bitmap.indices.begin(), bitmap.indices.end());
        EXPECT_EQ(used.erase(254), picture.keyed ? 1u : 0u);
        EXPECT_GE(used.size(), picture.width == 1024 && picture.height == 768 ? 64u : 3u);
        // Each 32-wide cell of a keyed strip (or the whole figure) stands free of its corners.
        const int cell = std::min(bitmap.width, 32);
        for (int left = 0; picture.keyed && left < bitmap.width; left += cell) {
            EXPECT_EQ(bitmap.at(left, 0), 254);
            EXPECT_EQ(bitmap.at(left + cell - 1, bitmap.height - 1), 254);
        }
    }
}

TEST(BitmapFiles, PaletteHasDistinctEntriesAndThePanelColours) {
    const Bitmap top = gameBitmap("Frame_Top");
    std::set<int> distinct;
    for (const Colour& c : top.colours) {
        distinct.insert(c.red << 16 | c.green << 8 | c.blue);
    }
    EXPECT_EQ(distinct.size(), 256u);
    for (const int panel : {115 << 16 | 115 << 8 | 115, 115 << 16, 0}) {
        EXPECT_EQ(distinct.count(panel), 1u) << std::hex << panel;
    }
}

TEST(BitmapFiles, CursorPointsWithTheMiddleOfItsTopEdgeAndTheWhirlwindTurns) {
    const Bitmap cursor = gameBitmap("Cursor");
    ASSERT_GT(cursor.width, 0);
    int first = -1;
    int last = -1;
    for (int x = 0; x < 32; ++x) {
        if (cursor.at(x, 0) != 254) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    ASSERT_GE(first, 0) << "the tip must touch the top edge";
    EXPECT_EQ(first + last, 32) << "centred on column 16";

    // The whirlwind's four frames all differ from one another.
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
    ASSERT_TRUE(a.width > 0 && b.width > 0);
    const auto watery = [](const Colour& c) { return c.blue > c.red + 40 && c.blue > c.green; };
    int mismatches = 0;
    for (int i = 0; i < 32; ++i) {
        mismatches += watery(sideBySide ? a.colourAt(31, i) : a.colourAt(i, 31)) !=
                      watery(sideBySide ? b.colourAt(0, i) : b.colourAt(i, 0));
    }
    EXPECT_LE(mismatches, 2);
}

TEST(BitmapFiles, BankPiecesJoinWaterAndGrassAroundAPond) {
    // A pond three cells square: the bank ring round one cell of water, with grass outside.
    const std::vector<std::vector<std::string>> pond = {
        {"Grass", "Grass", "Grass", "Grass", "Grass"},
        {"Grass", "TopLftBank", "TopBank", "TopRhtBank", "Grass"},
        {"Grass", "LeftBank", "Water", "RightBank", "Grass"},
        {"Grass", "BotLftBank", "BottomBank", "BotRhtBank", "Grass"},
        {"Grass", "Grass", "Grass", "Grass", "Grass"},
    };
    for (std::size_t row = 0; row < 5; ++row) {
        for (std::size_t column = 0; column < 5; ++column) {
            if (column < 4) {
                expectEdgeJoins(pond[row][column], pond[row][column + 1], true);
            }
            if (row < 4) {
                expectEdgeJoins(pond[row][column], pond[row + 1][column], false);
            }
        }
    }
    // A narrow stream is a left bank beside a right bank.
    expectEdgeJoins("LeftBank", "RightBank", true);
    expectEdgeJoins("TopBank", "BottomBank", false);
}

// Round a cowboy's pen each piece's rails run out through the middle of exactly the edges its
// two neighbours lie beyond.
TEST(BitmapFiles, FencePiecesCloseACowboysPen) {
    const struct {
        const char* piece;
        bool north, south, west, east;
    } pieces[] = {
        {"Fence_RLSide", true, true, false, false},   {"Fence_TBSide", false, false, true, true},
        {"Fence_TLCorner", false, true, false, true}, {"Fence_TRCorner", false, true, true, false},
        {"Fence_BLCorner", true, false, false, true}, {"Fence_BRCorner", true, false, true, false},
    };
    for (const auto& p : pieces) {
        SCOPED_TRACE(p.piece);
        const Bitmap bitmap = gameBitmap(p.piece);
        ASSERT_GT(bitmap.width, 0);
        const auto rails = [&](int x, int y, int dx, int dy) {
            for (int i = 0; i < 8; ++i) {
                if (bitmap.at(x + dx * i, y + dy * i) != 254) {
                    return true;
                }
            }
            return false;
        };
        EXPECT_EQ(rails(12, 0, 1, 0), p.north);
        EXPECT_EQ(rails(12, 31, 1, 0), p.south);
        EXPECT_EQ(rails(0, 12, 0, 1), p.west);
        EXPECT_EQ(rails(31, 12, 0, 1), p.east);
    }
}

TEST(BitmapFiles, PanelLeavesGreyRoomWhereTheGamePrintsItsNumbers) {
    const Bitmap panel = gameBitmap("Frame_Bottom");
    ASSERT_GT(panel.width, 0);
    const int numbers[][2] = {{140, 647}, {140, 674}, {140, 702}, {140, 729},
                              {400, 647}, {400, 674}, {400, 729}};
    for (const auto& [left, top] : numbers) {
        for (int y = top; y < top + 16; ++y) {
            for (int x = left; x < left + 64; ++x) {
                ASSERT_EQ(panel.colourAt(x, y - 609), (Colour{115, 115, 115})) << x << "," << y;
            }
        }
    }
}

TEST(BitmapFiles, MenuWordsLieInsideTheirButtons) {
    const Bitmap menu = gameBitmap("Option");
    ASSERT_GT(menu.width, 0);
    // The hit areas, exclusive: 340 < x < 710 and top < y < bottom.
    for (const auto& [top, bottom] : {std::pair{258, 328}, {347, 417}, {435, 505}}) {
        SCOPED_TRACE(top);
        int left = 1024, right = -1, high = 768, low = -1; // the lettering's bounds
        for (int y = top - 8; y < bottom + 8; ++y) {
            for (int x = 320; x < 730; ++x) {
                const Colour& c = menu.colourAt(x, y);
                if ((c.red * 3 + c.green * 6 + c.blue) / 10 > 200) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    high = std::min(high, y);
                    low = std::max(low, y);
                }
            }
        }
        ASSERT_GE(right, 0) << "no word on the button";
        EXPECT_TRUE(left > 340 && right < 710 && high > top && low < bottom)
            << left << ".." << right << " x " << high << ".." << low;
        EXPECT_TRUE(right - left >= 60 && low - high >= 20) << "a word, not a speck";
    }
}

} // namespace
