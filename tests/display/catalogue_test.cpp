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

TEST(SpriteCatalogue, GivesEachPictureItsFileAndSize) {
    struct Expected {
        int sprite;
        const char* file;
        int width;
        int height;
    };
    const Expected samples[] = {
        {CursorSprite, "Data\\Cursor.bmp", 32, 32},
        {CharacterSprite, "Data\\Character.bmp", 128, 32},
        {Sprite::Buinldinm_Top, "Data\\Buinldinm_Top.bmp", 128, 32},
        {Sprite::Target001, "Data\\Target001.bmp", 128, 32},
        {Sprite::Target001 + 9, "Data\\Target010.bmp", 128, 32},
        {Sprite::Target109, "Data\\Target109.bmp", 128, 32},
        {Sprite::Fence_BRCorner, "Data\\Fence_BRCorner.bmp", 128, 32},
        {Sprite::Cannoe, "Data\\Cannoe.bmp", 22, 22},
        {Sprite::Fallen_CowBoy, "Data\\Fallen_CowBoy.bmp", 22, 22},
        {Sprite::Cow_Down, "Data\\Cow_Down.bmp", 60, 60},
        {Sprite::Wind_Speed_Up, "Data\\Wind_Speed_Up.bmp", 60, 120},
        {Sprite::Wind_Direction_Down, "Data\\Wind_Direction_Down.bmp", 120, 120},
        {Sprite::Frame_Top, "Data\\Frame_Top.bmp", 1024, 32},
        {Sprite::Frame_Bottom, "Data\\Frame_Bottom.bmp", 1024, 159},
        {Sprite::Frame_Side_R, "Data\\Frame_Side_R.bmp", 32, 577},
        {Sprite::Frame_Side_L, "Data\\Frame_Side_L.bmp", 32, 577},
    };
    std::set<std::string> files;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        files.insert(entry.file);
    }
    EXPECT_EQ(files.size(), 166u) << "every picture has a file of its own";
    for (const Expected& sample : samples) {
        const auto entry = std::find_if(spriteCatalogue().begin(), spriteCatalogue().end(),
                                        [&](const auto& e) { return e.sprite == sample.sprite; });
        ASSERT_NE(entry, spriteCatalogue().end()) << sample.file;
        EXPECT_EQ(entry->file, sample.file);
        EXPECT_EQ(entry->width, sample.width) << sample.file;
        EXPECT_EQ(entry->height, sample.height) << sample.file;
    }
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
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(headless::presentCount(), presents + 1) << "the next frame is shown again";
    EXPECT_EQ(headless::restoreCount(), 1);
}

TEST(SpriteLoad, ALostDisplayReloadsTheCatalogueExactlyOnce) {
    // Without picture files every catalogue load reports them missing, once.
    ReadyFolder folder;
    HeadlessGame run(folder.path());
    ASSERT_TRUE(run.start());
    const auto loads = [] {
        const auto& lines = headless::debugLines();
        return std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
            return line.find("sprite pictures are missing") != std::string::npos;
        });
    };
    EXPECT_EQ(loads(), 1);
    headless::loseSurfacesAtNextFlip();
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(loads(), 2);
    EXPECT_EQ(headless::restoreCount(), 1);
    ASSERT_TRUE(run.turns(3));
    EXPECT_EQ(loads(), 2);
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
