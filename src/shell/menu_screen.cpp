// The menu screen and its hit test.
#include "shell/menu_screen.h"

#include "platform/video.h"
#include "shell/game.h"

namespace {

// The buttons' rows; all three share the columns 340 to 710.
struct MenuButton {
    int top;
    int bottom;
};
constexpr MenuButton MenuButtons[] = {{258, 328}, {347, 417}, {435, 505}};
constexpr int MenuLeft = 340;
constexpr int MenuRight = 710;

} // namespace

std::int32_t menuButtonAt(int x, int y) {
    if (x <= MenuLeft || x >= MenuRight) {
        return 0;
    }
    for (int i = 0; i < 3; ++i) {
        if (MenuButtons[i].top < y && y < MenuButtons[i].bottom) {
            return i + 1;
        }
    }
    return 0;
}

void drawMenu(Game& game, platform::Point cursor) {
    if (game.backBuffer == nullptr ||
        platform::getDC(game.directDraw.get(), game.backBuffer) != S_OK) {
        return;
    }
    if (game.imageDC != nullptr) {
        game.backBuffer->bltFast(0, 0, *game.imageDC, {0, 0, 1024, 768}, false);
    }
    game.menuChoice = menuButtonAt(cursor.x, cursor.y);
    if (game.menuChoice != 0) {
        const MenuButton& button = MenuButtons[game.menuChoice - 1];
        const std::uint8_t pen =
            game.palette != nullptr ? game.palette->nearestIndex(game.panelPen.colour) : 0;
        const int corners[][2] = {{MenuLeft, button.top},
                                  {MenuRight, button.top},
                                  {MenuRight, button.bottom},
                                  {MenuLeft, button.bottom},
                                  {MenuLeft, button.top}};
        for (int i = 0; i < 4; ++i) {
            game.backBuffer->drawLine(corners[i][0], corners[i][1], corners[i + 1][0],
                                      corners[i + 1][1], game.panelPen.width, pen);
        }
    }
    platform::releaseDC(game.directDraw.get(), game.backBuffer);
}
