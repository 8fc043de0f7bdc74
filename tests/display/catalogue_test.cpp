// The sprite catalogue's pictures loaded from their files, each into its own surface at its size
// and with its key, and kept as they are when the display lost its surfaces; a picture loaded by
// hand. (The files themselves are checked against the catalogue in tests/data.)
#include <gtest/gtest.h>

#include "bitmap_file.h"
#include "display/sprite_catalogue.h"
#include "display/sprite_numbers.h"
#include "drawn_game.h"
#include "platform/headless/headless.h"

namespace {

// The colour each test picture is painted in; keyed pictures are transparent on their left.
std::uint8_t pictureIndex(int sprite) {
    return static_cast<std::uint8_t>(sprite + 30);
}

TEST(SpriteLoad, FillsEverySurfaceOfTheCatalogueAndKeepsThemWhenTheDisplayIsLost) {
    ReadyFolder folder;
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        const std::uint8_t index = pictureIndex(entry.sprite);
        const int half = entry.width / 2;
        const bool keyed = entry.keyed;
        folder.addFile("Data/" + entry.file.substr(5),
                       testPicture(entry.width, entry.height, [=](int x, int) {
                           return keyed && x < half ? platform::TransparentIndex : index;
                       }));
    }
    folder.addFile("Data/Big.bmp", testPicture(50, 40, [](int x, int y) {
                       return static_cast<std::uint8_t>(x + y);
                   }));
    HeadlessGame run(folder.path());
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    std::vector<const platform::Surface*> before;
    const auto expectLoaded = [&game, &before](const char* when) {
        before.clear();
        for (const CatalogueEntry& entry : spriteCatalogue()) {
            const platform::Surface* surface = surfaceOf(game, entry.sprite);
            before.push_back(surface);
            ASSERT_NE(surface, nullptr) << entry.file << when;
            EXPECT_EQ(surface->width(), entry.width) << entry.file;
            EXPECT_EQ(surface->height(), entry.height) << entry.file;
            // The cursor, the whirlwind, the structures and the flying figures are keyed.
            EXPECT_EQ(surface->colorKeyed(),
                      entry.sprite < 0 || (entry.sprite >= 130 && entry.sprite <= 177))
                << entry.file << when;
            EXPECT_EQ(surface->row(entry.height - 1)[entry.width - 1], pictureIndex(entry.sprite))
                << entry.file << when;
            EXPECT_EQ(surface->row(0)[0],
                      entry.keyed ? platform::TransparentIndex : pictureIndex(entry.sprite))
                << entry.file << when;
        }
    };
    expectLoaded("");
    for (int unused : {125, 129, 140, 149, 155, 169, 178, 189}) {
        EXPECT_EQ(game.spriteSurfaces[unused], nullptr) << unused;
    }

    ASSERT_TRUE(run.turn());
    const std::vector<const platform::Surface*> first = before;
    const int presents = headless::presentCount();
    headless::loseSurfacesAtNextFlip();
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(headless::restoreCount(), 1);
    EXPECT_EQ(headless::presentCount(), presents) << "the lost frame is not shown";
    expectLoaded(" after the loss");
    EXPECT_EQ(before, first) << "a lost screen reads no sprite from disk again";
    ASSERT_TRUE(run.turn());
    EXPECT_EQ(headless::presentCount(), presents + 1) << "the next frame is shown again";
    EXPECT_EQ(headless::restoreCount(), 1);

    // A bigger picture gives its top-left corner; a missing one, or a folder, a blank surface.
    platform::Surface* surface = nullptr;
    game.loadBitmapSurface(&surface, SurfaceDesc{10, 5}, "Data\\Big.bmp");
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->width(), 10);
    EXPECT_EQ(surface->row(4)[9], 13);
    for (const char* missing : {"Data\\Missing.bmp", "Data"}) {
        platform::Surface* previous = surface;
        game.loadBitmapSurface(&surface, SurfaceDesc{22, 22}, missing);
        ASSERT_NE(surface, nullptr) << missing << " still gets its surface";
        EXPECT_NE(surface, previous);
        EXPECT_EQ(surface->row(21)[21], 0) << missing;
    }
}

} // namespace
