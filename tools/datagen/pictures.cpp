// The two full-screen pictures: the title shown while the game loads, and the menu with its
// three buttons on a signboard, each button inside the area the game answers clicks in.
#include <algorithm>

#include "datagen/art.h"
#include "datagen/landscape.h"
#include "datagen/pixel_font.h"
#include "datagen/woodwork.h"

namespace datagen {

namespace {

// The menu's buttons: the rows the game answers clicks in (exclusive bounds) and what each
// does. All three span 340 < x < 710.
struct MenuButton {
    int top;
    int bottom;
    const char* text;
};

const MenuButton MenuButtons[] = {{258, 328, "New game"}, {347, 417, "Resume"}, {435, 505, "Quit"}};
constexpr int MenuLeft = 340;
constexpr int MenuRight = 710;

void drawCentred(Canvas& canvas, int centreX, int y, const std::string& text, int scale,
                 Colour colour, Colour shadow) {
    const int x = centreX - textWidth(text, scale) / 2;
    drawText(canvas, x + std::max(1, scale / 2), y + std::max(1, scale / 2), text, scale, shadow);
    drawText(canvas, x, y, text, scale, colour);
}

void drawTitle(Canvas& canvas, int centreX, int y, int scale) {
    const GamePalette& p = palette();
    const std::string title = "KESTRAVAN";
    const int x = centreX - textWidth(title, scale) / 2;
    const int height = FontCapHeight * scale;
    drawBoldText(
        canvas, x, y, title, scale,
        [&](int, int py) { return p.shadeAt(Ramp::Gold, 1.0 - 0.55 * (py - y) / height); },
        p.shade(Ramp::Wood, 1), p.shade(Ramp::Grey, 0));
}

} // namespace

Canvas paintSplash() {
    const GamePalette& p = palette();
    Canvas splash = paintLandscape(true);
    drawTitle(splash, 512, 56, 11);
    drawCentred(splash, 512, 150, "Whirl them up. Throw them down. Hit the target.", 2,
                p.shade(Ramp::Sand, 11), p.shade(Ramp::Grey, 1));
    const Colour hint = p.shade(Ramp::Grey, 15);
    splash.fillRect(0, 724, 1024, 44, p.shade(Ramp::Wood, 2));
    splash.fillRect(0, 724, 1024, 1, p.shade(Ramp::Wood, 6));
    drawCentred(splash, 512, 738,
                "Arrow keys or the right mouse button steer the whirlwind.  Escape: menu.", 2, hint,
                p.shade(Ramp::Grey, 0));
    return splash;
}

Canvas paintMenu() {
    const GamePalette& p = palette();
    Canvas menu = paintLandscape(false);
    menu.recolour([&](int, int, Colour c) { return p.shift(c, -4); }); // dusk behind the board
    // The signboard on two posts.
    menu.fillRect(360, 540, 20, 228, p.shade(Ramp::Wood, 4));
    menu.fillRect(670, 540, 20, 228, p.shade(Ramp::Wood, 4));
    menu.fillRect(360, 540, 4, 228, p.shade(Ramp::Wood, 7));
    menu.fillRect(670, 540, 4, 228, p.shade(Ramp::Wood, 7));
    const int boardLeft = 300;
    const int boardTop = 100;
    const int boardWidth = 450;
    const int boardHeight = 456;
    menu.fillRect(boardLeft - 3, boardTop - 3, boardWidth + 6, boardHeight + 6,
                  p.shade(Ramp::Wood, 1));
    fillPlanks(menu, boardLeft, boardTop, boardWidth, boardHeight, true, 19, 40);
    bevel(menu, boardLeft, boardTop, boardWidth, boardHeight, 3, true);
    for (const auto& [x, y] : {std::pair{boardLeft + 12, boardTop + 12},
                               {boardLeft + boardWidth - 13, boardTop + 12},
                               {boardLeft + 12, boardTop + boardHeight - 13},
                               {boardLeft + boardWidth - 13, boardTop + boardHeight - 13}}) {
        nail(menu, x, y);
    }
    drawTitle(menu, 525, 136, 7);
    drawCentred(menu, 525, 206, "Menu", 3, p.shade(Ramp::Sand, 11), p.shade(Ramp::Wood, 1));

    // Each button a plaque set in the board, with room all round for the game's outline.
    for (const MenuButton& button : MenuButtons) {
        const int left = MenuLeft + 7;
        const int top = button.top + 7;
        const int width = MenuRight - MenuLeft - 14;
        const int height = button.bottom - button.top - 14;
        menu.fillRect(left, top, width, height, p.shade(Ramp::Wood, 3));
        menu.recolour([&](int x, int y, Colour c) {
            if (x < left || x >= left + width || y < top || y >= top + height) {
                return c;
            }
            return p.dithered(Ramp::Wood, 4.4 + 1.8 * (top + height - y) / height, x, y);
        });
        bevel(menu, left, top, width, height, 2, true);
        const int scale = 5;
        drawCentred(menu, (MenuLeft + MenuRight) / 2, top + (height - FontCapHeight * scale) / 2,
                    button.text, scale, p.shade(Ramp::Gold, 10), p.shade(Ramp::Wood, 0));
    }
    const Colour hint = p.shade(Ramp::Sand, 11);
    drawCentred(menu, 525, 522, "Escape again quits the game.", 2, hint, p.shade(Ramp::Wood, 1));
    return menu;
}

} // namespace datagen
