// The display on the game's own data, where the build has generated it: every picture read,
// the palette that they are drawn in, and the first frame drawn from them index for index.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "display/sprite_catalogue.h"
#include "drawn_game.h"
#include "platform/headless/headless.h"

namespace {

TEST(RealData, EveryPictureIsReadAndDrawsTheFirstFrameInThePanelsPalette) {
    if (!std::filesystem::is_directory(gameDataFolder() + "/Data")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder()
                     << " (build the game_data target)";
    }
    HeadlessGame run;
    ASSERT_TRUE(run.start());
    Game& game = run.game();
    for (const std::string& line : headless::debugLines()) {
        EXPECT_EQ(line.find("sprite pictures are missing"), std::string::npos) << line;
    }
    // Only the keyed pictures have transparent pixels: no colour was mapped onto the key.
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        const platform::Surface* surface = surfaceOf(game, entry.sprite);
        ASSERT_NE(surface, nullptr) << entry.file;
        const auto* first = surface->pixels();
        const auto* last = first + surface->width() * surface->height();
        EXPECT_EQ(std::find(first, last, platform::TransparentIndex) != last, entry.keyed)
            << entry.file;
    }
    ASSERT_NE(game.imageBitmap, nullptr) << "the menu picture";
    // The palette as loaded holds the panel's colours exactly, and the key colour only once.
    const platform::Palette& palette = *game.palette;
    for (const platform::Rgb colour : {platform::Rgb{115, 115, 115}, {115, 0, 0}, {0, 0, 0}}) {
        const platform::PaletteEntry& entry = palette[palette.nearestIndex(colour)];
        EXPECT_EQ((platform::Rgb{entry.red, entry.green, entry.blue}), colour);
    }
    const platform::PaletteEntry& key = palette[platform::TransparentIndex];
    EXPECT_EQ(palette.nearestIndex({key.red, key.green, key.blue}), platform::TransparentIndex);

    run.mouse(700, 500);
    ASSERT_TRUE(run.turn());
    // The frame's top strip is copied index for index from its picture.
    const platform::Surface& top = *game.spriteSurfaces[190];
    for (int x = 0; x < 1024; x += 7) {
        ASSERT_EQ(game.backBuffer->row(5)[x], top.row(5)[x]) << x;
    }
    // Screen (100, 100) lies 4 pixels into the cell two columns and rows from the view's
    // first, column 185 and row 11 at the round's start.
    const int ground = game.groundTiles[(185 + 2) * MapRows + 11 + 2];
    EXPECT_EQ(game.backBuffer->row(100)[100], game.spriteSurfaces[ground]->row(4)[4]);
}

} // namespace
