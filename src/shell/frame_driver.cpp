// The frame: with the menu open, the menu picture with the button under the cursor outlined
// and the round clock held; otherwise the round clock, the world step, the frame and buttons,
// the throw gauges, the best score, and the status panel. The cursor is drawn last in both.
#include "shell/frame_driver.h"

#include <algorithm>
#include <cstdint>

#include "platform/pad.h"
#include "platform/system.h"
#include "platform/video.h"
#include "shell/best_score.h"
#include "shell/game.h"
#include "shell/menu_screen.h"
#include "shell/round_clock.h"
#include "shell/status_panel.h"

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

int runFrame() {
    Game& game = *theGame;
    game.frameTimer.tick();
    game.updateFrame();
    for (;;) {
        const HResult result = platform::flip(game.directDraw.get());
        if (result == DDERR_WASSTILLDRAWING) {
            continue;
        }
        if (result == DDERR_SURFACELOST) {
            // Only the screen is lost: the sprites live in the game's memory and stay.
            platform::restore(game.directDraw.get());
        }
        return 0;
    }
}

void drawCursor(Game& game, platform::Point cursor) {
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
    if (game.showCursor && game.cursorSurface != nullptr && game.backBuffer != nullptr) {
        game.backBuffer->bltFast(x, y, *game.cursorSurface, source, true);
    }
}

void Game::updateFrame() {
    platform::Point cursor;
    if (menuOpen) {
        cursor = platform::cursorPosition();
        // The round clock stands still while the menu is shown.
        const std::uint32_t now = platform::tickCount();
        roundStartTick += now - lastTick;
        lastTick = now;
        drawMenu(*this, cursor);
    } else {
        const std::uint32_t now = platform::tickCount();
        whirlwindStep = stepForFrameTime(now - lastTick);
        // Judged from the previous frame's tick.
        if (roundTimeIsUp(lastTick, roundStartTick)) {
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
        advanceGauges(*this);
        if (score > bestScore) {
            bestScore = score;
            writeBestScore(score);
        }
        drawStatusPanel(*this);
    }
    drawCursor(*this, cursor);
    platform::tellPlayContext({menuOpen, static_cast<int>(selectedKind)});
}
