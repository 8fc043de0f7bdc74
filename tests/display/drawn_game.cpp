#include "drawn_game.h"

#include <algorithm>

#include "display/sprite_catalogue.h"
#include "display/sprite_numbers.h"

std::uint8_t spriteColour(int sprite) {
    return static_cast<std::uint8_t>(sprite <= Sprite::Target109 ? sprite : sprite - 4);
}

std::int32_t testGround(int column, int row) {
    return (column * 3 + row * 7) % 125;
}

platform::Surface* surfaceOf(Game& game, int sprite) {
    return sprite == Sprite::Cursor      ? game.cursorSurface
           : sprite == Sprite::Character ? game.characterSurface
                                         : game.spriteSurfaces[sprite];
}

void DrawnGame::SetUp() {
    ASSERT_TRUE(run_.start());
    Game& g = game();
    for (int sprite = 0; sprite < SpriteCount; ++sprite) {
        platform::Surface* surface = g.spriteSurfaces[sprite];
        if (surface == nullptr) {
            continue;
        }
        surface->fill(spriteColour(sprite));
        // Structures show only their top-left 8 x 8; the rest is transparent.
        if (sprite >= Sprite::Tepee && sprite <= Sprite::Fence_BRCorner) {
            surface->fillRect({8, 0, 128, 32}, platform::TransparentIndex);
            surface->fillRect({0, 8, 8, 32}, platform::TransparentIndex);
        }
    }
    for (int f = 0; f < 4; ++f) {
        g.characterSurface->fillRect({32 * f, 0, 32 * f + 32, 32},
                                     static_cast<std::uint8_t>(WhirlwindColour + f));
    }
    g.characterSurface->fillRect({0, 0, 1, 1}, platform::TransparentIndex);
    for (int x = 0; x < 32; ++x) {
        g.cursorSurface->fillRect({x, 0, x + 1, 32}, static_cast<std::uint8_t>(100 + x));
    }
    for (int column = 0; column < MapColumns; ++column) {
        for (int row = 0; row < MapRows; ++row) {
            g.groundTiles[column * MapRows + row] = testGround(column, row);
        }
    }
    g.backBuffer->fill(Marker);
}

int DrawnGame::drawnPixels() {
    const platform::Surface& frame = *game().backBuffer;
    return static_cast<int>(std::count_if(frame.pixels(),
                                          frame.pixels() + frame.width() * frame.height(),
                                          [](std::uint8_t pixel) { return pixel != Marker; }));
}
