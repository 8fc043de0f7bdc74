// The sprite catalogue: all 166 pictures in their load order, sizes and keys, loaded from
// their files, and loaded afresh after the display lost its surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bitmap_file.h"
#include "display/sprite_catalogue.h"
#include "display/sprite_numbers.h"
#include "platform/headless/headless.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

namespace {

std::vector<int> range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

// The colour each test picture is painted in; keyed pictures are transparent on their left.
std::uint8_t pictureIndex(int sprite) {
    return static_cast<std::uint8_t>(sprite + 30);
}

platform::Surface* surfaceOf(Game& game, int sprite) {
    return sprite == CursorSprite      ? game.cursorSurface
           : sprite == CharacterSprite ? game.characterSurface
                                       : game.spriteSurfaces[sprite];
}

TEST(SpriteCatalogue, ListsTheGamesPicturesInTheirLoadOrder) {
    std::vector<int> expected = {CursorSprite, CharacterSprite};
    for (const auto& part : {range(0, 124), range(130, 139), range(170, 177), range(150, 154),
                             std::vector<int>{194, 195, 196, 197, 200, 201, 198, 199},
                             range(202, 205), range(190, 193)}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    std::vector<int> order;
    int keyed = 0;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        order.push_back(entry.sprite);
        keyed += entry.keyed ? 1 : 0;
        const bool shouldBeKeyed = entry.sprite < 0 || (entry.sprite >= 130 && entry.sprite <= 177);
        EXPECT_EQ(entry.keyed, shouldBeKeyed) << entry.file;
    }
    EXPECT_EQ(order, expected);
    EXPECT_EQ(spriteCatalogue().size(), 166u);
    EXPECT_EQ(keyed, 25);
}

TEST(SpriteCatalogue, NamesTheTargetTilesByNumberAndEveryPictureByAFileOfItsOwn) {
    std::set<std::string> files;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        files.insert(entry.file);
        if (entry.sprite == Sprite::Target001 || entry.sprite == Sprite::Target109) {
            EXPECT_EQ(entry.file, entry.sprite == Sprite::Target001 ? "Data\\Target001.bmp"
                                                                    : "Data\\Target109.bmp");
        }
        if (entry.sprite == Sprite::Frame_Bottom) {
            EXPECT_EQ(entry.width * 1000 + entry.height, 1024159);
        }
    }
    EXPECT_EQ(files.size(), 166u);
}

// A game folder with every picture of the catalogue in its own colour.
class CatalogueFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new ReadyFolder;
        for (const CatalogueEntry& entry : spriteCatalogue()) {
            const std::string name = "Data/" + entry.file.substr(5);
            const std::uint8_t index = pictureIndex(entry.sprite);
            const int half = entry.width / 2;
            const bool keyed = entry.keyed;
            writeGameFile(folder_->path(), name,
                          testPicture(entry.width, entry.height, [=](int x, int) {
                              return keyed && x < half ? platform::TransparentIndex : index;
                          }));
        }
    }
    static void TearDownTestSuite() {
        delete folder_;
        folder_ = nullptr;
    }
    static ReadyFolder* folder_;
};
ReadyFolder* CatalogueFiles::folder_ = nullptr;

TEST_F(CatalogueFiles, FillEverySurfaceAndKeyTheKeyedOnes) {
    HeadlessGame run(folder_->path());
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        platform::Surface* surface = surfaceOf(game, entry.sprite);
        ASSERT_NE(surface, nullptr) << entry.file;
        EXPECT_EQ(surface->width(), entry.width) << entry.file;
        EXPECT_EQ(surface->height(), entry.height) << entry.file;
        EXPECT_EQ(surface->colorKeyed(), entry.keyed) << entry.file;
        EXPECT_EQ(surface->row(entry.height - 1)[entry.width - 1], pictureIndex(entry.sprite))
            << entry.file;
        EXPECT_EQ(surface->row(0)[0],
                  entry.keyed ? platform::TransparentIndex : pictureIndex(entry.sprite))
            << entry.file;
    }
    for (int unused : {125, 129, 140, 149, 155, 169, 178, 189}) {
        EXPECT_EQ(game.spriteSurfaces[unused], nullptr) << unused;
    }
}

TEST_F(CatalogueFiles, ALostDisplayIsRestoredOnceAndEveryPictureLoadedAfresh) {
    HeadlessGame run(folder_->path());
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    ASSERT_TRUE(run.turn());
    std::vector<platform::Surface*> before;
    std::vector<std::vector<std::uint8_t>> pixels;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        platform::Surface* surface = surfaceOf(game, entry.sprite);
        before.push_back(surface);
        pixels.emplace_back(surface->pixels(),
                            surface->pixels() + surface->width() * surface->height());
    }
    const int presents = headless::presentCount();

    headless::loseSurfacesAtNextFlip();
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(headless::restoreCount(), 1);
    EXPECT_EQ(headless::presentCount(), presents) << "the lost frame is not shown";
    std::size_t i = 0;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        platform::Surface* surface = surfaceOf(game, entry.sprite);
        EXPECT_NE(surface, before[i]) << entry.file << " was not loaded afresh";
        EXPECT_EQ(surface->colorKeyed(), entry.keyed) << entry.file;
        EXPECT_TRUE(std::equal(pixels[i].begin(), pixels[i].end(), surface->pixels()))
            << entry.file;
        ++i;
    }
    const platform::Surface* reloaded = game.cursorSurface;
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(headless::presentCount(), presents + 1) << "the next frame is shown again";
    EXPECT_EQ(headless::restoreCount(), 1);
    EXPECT_EQ(game.cursorSurface, reloaded) << "loaded once only";
}

TEST(SpriteLoad, TakesTheTopLeftCornerOfABiggerPictureAndBlankForAMissingOne) {
    ReadyFolder folder;
    writeGameFile(folder.path(), "Data/Frame_Top.bmp",
                  testPicture(4, 4, [](int, int) { return 1; }));
    writeGameFile(folder.path(), "Data/Big.bmp", testPicture(50, 40, [](int x, int y) {
                      return static_cast<std::uint8_t>(x + y);
                  }));
    HeadlessGame run(folder.path());
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    platform::Surface* surface = nullptr;
    game.loadBitmapSurface(&surface, SurfaceDesc{10, 5}, "Data\\Big.bmp");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->width(), 10);
    EXPECT_EQ(surface->row(4)[9], 13);
    platform::Surface* previous = surface;
    game.loadBitmapSurface(&surface, SurfaceDesc{22, 22}, "Data\\Missing.bmp");
    ASSERT_NE(surface, nullptr) << "a missing picture still gets its surface";
    EXPECT_NE(surface, previous);
    EXPECT_EQ(surface->row(21)[21], 0);
}

} // namespace
