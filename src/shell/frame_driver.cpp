// The frame: with the menu open, the menu picture with the button under the cursor outlined
// and the round clock held; otherwise the round clock, the world step, the frame and buttons,
// the throw gauges, the best score, and the status panel. The cursor is drawn last in both.
#include "shell/frame_driver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/system.h"
#include "platform/video.h"
#include "shell/best_score.h"
#include "shell/game.h"

namespace {

constexpr int RoundSeconds = 200;

// Panel text: black on the panel's grey.
constexpr platform::Rgb PanelText{0, 0, 0};
constexpr platform::Rgb PanelGrey{115, 115, 115};

// The menu's three buttons: their rows; all share the columns 340..710.
struct MenuButton {
    int top;
    int bottom;
};
constexpr MenuButton MenuButtons[] = {{258, 328}, {347, 417}, {435, 505}};
constexpr int MenuLeft = 340;
constexpr int MenuRight = 710;

constexpr int NeedleX = 763;
constexpr int NeedleY = 696;
constexpr int NeedleLength = 60;

// The whirlwind covers more ground in a slow frame: 5 pixels up to 50 ms, then 10, 15, 20.
std::int32_t stepForFrameTime(std::uint32_t frameTime) {
    std::int32_t step = 5;
    if (frameTime > 50) {
        step = 10;
    }
    if (frameTime > 100) {
        step += 5;
    }
    if (frameTime > 150) {
        step += 5;
    }
    return step;
}

// Whole seconds since the round started, or -1 while lastTick still lies before the start
// (the first frame after set-up or after a new game).
std::int64_t elapsedSeconds(std::uint32_t lastTick, std::uint32_t roundStartTick) {
    const auto elapsed = static_cast<std::int32_t>(lastTick - roundStartTick);
    return elapsed < 0 ? -1 : elapsed / 1000;
}

// The button under the cursor, 0 for none; the bounds are exclusive.
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

} // namespace

std::int32_t Game::secondsLeft() const {
    const std::int64_t elapsed = elapsedSeconds(lastTick, roundStartTick);
    if (elapsed < 0) {
        return RoundSeconds;
    }
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, RoundSeconds - elapsed));
}

int runFrame() {
    Game& game = *theGame;
    game.frameTimer.tick();
    game.updateFrame();
    for (;;) {
        const HResult result = platform::flip(game.directDraw);
        if (result == DDERR_WASSTILLDRAWING) {
            continue;
        }
        if (result == DDERR_SURFACELOST) {
            platform::restore(game.directDraw);
            game.loadSprites();
        }
        return 0;
    }
}

void Game::updateFrame() {
    const auto mapColour = [this](platform::Rgb colour) {
        return palette != nullptr ? palette->nearestIndex(colour) : std::uint8_t{0};
    };
    platform::Point cursor;

    if (menuOpen) {
        cursor = platform::cursorPosition();
        const std::uint32_t now = platform::tickCount();
        roundStartTick += now - lastTick;
        lastTick = now;
        if (platform::getDC(directDraw, backBuffer) == S_OK) {
            if (imageDC != nullptr) {
                backBuffer->bltFast(0, 0, *imageDC, {0, 0, 1024, 768}, false);
            }
            menuChoice = menuButtonAt(cursor.x, cursor.y);
            if (menuChoice != 0) {
                const MenuButton& button = MenuButtons[menuChoice - 1];
                const std::uint8_t pen = mapColour(panelPen.colour);
                const int corners[][2] = {{MenuLeft, button.top},
                                          {MenuRight, button.top},
                                          {MenuRight, button.bottom},
                                          {MenuLeft, button.bottom},
                                          {MenuLeft, button.top}};
                for (int i = 0; i < 4; ++i) {
                    backBuffer->drawLine(corners[i][0], corners[i][1], corners[i + 1][0],
                                         corners[i + 1][1], panelPen.width, pen);
                }
            }
            platform::releaseDC(directDraw, backBuffer);
        }
    } else {
        const std::uint32_t now = platform::tickCount();
        whirlwindStep = stepForFrameTime(now - lastTick);
        // The round ends in the first frame that finds its 200 seconds run, even when no
        // frame fell within the 200th second itself.
        if (elapsedSeconds(lastTick, roundStartTick) >= RoundSeconds) {
            roundOver = true;
            keyDirX = 0;
            keyDirY = 0;
        }
        if (!roundOver) {
            lastTick = now;
        }
        cursor = platform::cursorPosition();
        updateWorld(cursor.x, cursor.y, {0, 0, 32, 32});
        drawFrameAndButtons();

        if (!speedButtonDown) {
            launchPower += 1.0;
        }
        if (launchPower == 130.0) {
            launchPower = 0.0;
        }
        const double power = launchPower;
        const int barTop = static_cast<int>(power > 65 ? 655 - (65 - power) : (65 - power) + 655);
        const platform::Rect bar = speedButtonDown ? platform::Rect{837, barTop, 864, 732}
                                                   : platform::Rect{838, barTop, 865, 733};
        launchAngle += 1.0;
        if (launchAngle == 3600.0) {
            launchAngle = 0.0;
        }

        if (score > bestScore) {
            bestScore = score;
            writeBestScore(score);
        }

        if (platform::getDC(directDraw, backBuffer) == S_OK) {
            struct PanelNumber {
                int x;
                int y;
                std::int64_t value;
            };
            const PanelNumber numbers[] = {
                {140, 647, caught[Indian - 1]},
                {140, 674, caught[Farmer - 1]},
                {140, 702, caught[CowBoy - 1]},
                {140, 729, caught[Cow - 1]},
                {400, 647, score},
                {400, 674, secondsLeft()},
                {400, 729, bestScore},
            };
            for (const PanelNumber& number : numbers) {
                const std::string text = std::to_string(number.value);
                platform::textOut(directDraw, backBuffer, number.x, number.y, text.c_str(),
                                  static_cast<int>(text.size()), PanelText, PanelGrey);
            }
            backBuffer->fillRect(bar, mapColour(panelBrush.colour));
            const double angle = launchAngle * 0.1;
            backBuffer->drawLine(NeedleX, NeedleY,
                                 static_cast<int>(std::cos(angle) * NeedleLength + NeedleX),
                                 static_cast<int>(std::sin(angle) * NeedleLength + NeedleY),
                                 panelPen.width, mapColour(panelPen.colour));
            platform::releaseDC(directDraw, backBuffer);
        }
    }

    // The cursor's hot spot is the middle of its top edge; it is cut at the screen's edges.
    platform::Rect source{0, 0, 32, 32};
    int x = cursor.x - 16;
    const int y = cursor.y;
    if (y > 736) {
        source.bottom = 768 - y;
    }
    if (x > 992) {
        source.right = 1024 - x;
    }
    if (x < 0) {
        source.left = -x;
        x = 0;
    }
    if (showCursor && cursorSurface != nullptr && backBuffer != nullptr) {
        backBuffer->bltFast(x, y, *cursorSurface, source, true);
    }
}
