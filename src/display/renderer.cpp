// The world renderer's steps: the visible window of the map with the structures on it, a
// figure at its place in the view, the whirlwind in the middle of the view, and the screen
// frame with the panel buttons. Every picture is a whole-rectangle copy to the back buffer;
// keyed pictures let palette index 254 show what lies beneath.
#include <cstdint>

#include "display/sprite_numbers.h"
#include "shell/game.h"

namespace {

// The view of the map: screen columns 32 to 991 and rows 32 to 608.
constexpr int ViewLeft = 32;
constexpr int ViewTop = 32;
constexpr int ViewRight = 992;  // exclusive
constexpr int ViewBottom = 609; // exclusive

// Half the view, less one tile: the whirlwind's world point lies this far from the view's
// top-left corner under the figure mapping, and it never stands nearer the map's top-left.
constexpr int HalfViewX = 480;
constexpr int HalfViewY = 288;

constexpr int FigureSize = 22;
constexpr int WhirlwindScreenX = 500;
constexpr int WhirlwindScreenY = 308;
constexpr int WhirlwindFrames = 4;
constexpr int FramesPerPicture = 5;

constexpr platform::Rect TileRect{0, 0, TileSize, TileSize};
constexpr platform::Rect FigureRect{0, 0, FigureSize, FigureSize};

void blit(platform::Surface* backBuffer, int x, int y, platform::Surface* picture,
          const platform::Rect& rect, bool keyed) {
    if (backBuffer != nullptr && picture != nullptr) {
        backBuffer->bltFast(x, y, *picture, rect, keyed);
    }
}

// A figure at world point (x, y) shows only when it lies strictly inside the view around the
// whirlwind, at its place relative to the view's top-left corner; Number is the type the test
// and the subtraction are made in.
template <typename Number>
void drawInView(platform::Surface* backBuffer, platform::Surface* sprite, int whirlwindX,
                int whirlwindY, Number x, Number y) {
    const Number left = static_cast<Number>(whirlwindX) - HalfViewX;
    const Number top = static_cast<Number>(whirlwindY) - HalfViewY;
    if (left < x && x < static_cast<Number>(whirlwindX) + HalfViewX && top < y &&
        y < static_cast<Number>(whirlwindY) + HalfViewY) {
        blit(backBuffer, static_cast<int>(x - left), static_cast<int>(y - top), sprite, FigureRect,
             true);
    }
}

// A picture of the screen frame or the panel, opaque.
struct FramePiece {
    int sprite;
    int x;
    int y;
    int width;
    int height;
};

constexpr FramePiece FramePieces[] = {
    {Sprite::Frame_Top, 0, 0, 1024, 32},    {Sprite::Frame_Bottom, 0, 609, 1024, 159},
    {Sprite::Frame_Side_L, 0, 32, 32, 577}, {Sprite::Frame_Side_R, 992, 32, 32, 577},
    {Sprite::Indian_Up, 943, 636, 60, 60},  {Sprite::Farmer_Up, 943, 696, 60, 60},
    {Sprite::Cow_Up, 883, 636, 60, 60},     {Sprite::CowBoy_Up, 883, 696, 60, 60},
};

// The selected kind's button shows its pressed picture over its normal one, by kindIndex.
constexpr FramePiece SelectedKindButtons[] = {
    {Sprite::Indian_Down, 943, 636, 60, 60},
    {Sprite::Farmer_Down, 943, 696, 60, 60},
    {Sprite::Cow_Down, 883, 636, 60, 60},
    {Sprite::CowBoy_Down, 883, 696, 60, 60},
};

constexpr FramePiece SpeedButton{Sprite::Wind_Speed_Up, 823, 636, 60, 120};
constexpr FramePiece DirectionButton{Sprite::Wind_Direction_Up, 703, 636, 120, 120};

} // namespace

void Game::drawTilePass() {
    // The whirlwind never stands nearer the map's top or left edge than half a view, so the
    // view never shows anything above or left of the map.
    int firstRow = 0;
    int y = ViewTop;
    if (whirlwindY <= HalfViewY) {
        whirlwindY = HalfViewY;
    } else {
        firstRow = (whirlwindY - HalfViewY) / TileSize;
        y = ViewTop - whirlwindY % TileSize;
    }
    for (int row = firstRow; y < ViewBottom; y += TileSize, ++row) {
        int column = 0;
        int x = ViewLeft;
        if (whirlwindX <= HalfViewX) {
            whirlwindX = HalfViewX;
        } else {
            column = (whirlwindX - HalfViewX) / TileSize;
            x = ViewLeft - whirlwindX % TileSize;
        }
        for (; x < ViewRight; x += TileSize, ++column) {
            // Nothing bounds the whirlwind on the right and at the bottom but blocking ground;
            // beyond the map's edge the view shows water.
            const bool onMap = column < MapColumns && row < MapRows;
            const int cell = column * MapRows + row;
            const std::int32_t ground = onMap ? groundTiles[cell] : Ground::Water;
            const std::int32_t structure = onMap ? structureTiles[cell] : Structure::Empty;
            if (static_cast<std::uint32_t>(ground) <= Sprite::Target109) {
                blit(backBuffer, x, y, spriteSurfaces[ground], TileRect, false);
            }
            if (structure >= Structure::Tepee && structure <= Structure::Fence_BRCorner) {
                blit(backBuffer, x, y, spriteSurfaces[structure + Sprite::StructureBase], TileRect,
                     true);
            }
        }
    }
}

void Game::drawFigure(platform::Surface* sprite, int x, int y) {
    // Wide arithmetic: a figure that fled far off the map must not overflow the test.
    drawInView<std::int64_t>(backBuffer, sprite, whirlwindX, whirlwindY, x, y);
}

void Game::drawFigure(platform::Surface* sprite, double x, double y) {
    drawInView<double>(backBuffer, sprite, whirlwindX, whirlwindY, x, y);
}

void Game::drawWhirlwind() {
    const int picture = whirlwindFrameCount / FramesPerPicture;
    const platform::Rect frame{TileSize * picture, 0, TileSize * picture + TileSize, TileSize};
    blit(backBuffer, WhirlwindScreenX, WhirlwindScreenY, characterSurface, frame, true);
    ++whirlwindFrameCount;
    if (whirlwindFrameCount == WhirlwindFrames * FramesPerPicture) {
        whirlwindFrameCount = 0;
    }
}

void Game::drawFrameAndButtons() {
    const auto draw = [this](const FramePiece& piece, int sprite) {
        blit(backBuffer, piece.x, piece.y, spriteSurfaces[sprite],
             {0, 0, piece.width, piece.height}, false);
    };
    for (const FramePiece& piece : FramePieces) {
        draw(piece, piece.sprite);
    }
    if (isActorKind(selectedKind)) {
        const FramePiece& selected = SelectedKindButtons[kindIndex(selectedKind)];
        draw(selected, selected.sprite);
    }
    draw(SpeedButton, speedButtonDown ? Sprite::Wind_Speed_Down : Sprite::Wind_Speed_Up);
    draw(DirectionButton,
         directionButtonDown ? Sprite::Wind_Direction_Down : Sprite::Wind_Direction_Up);
}
