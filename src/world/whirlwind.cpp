// The world step. For now the whirlwind moves with the arrow keys and stops at blocking ground.
#include "shell/game.h"

void Game::updateWorld(int /*cursorX*/, int /*cursorY*/, const platform::Rect& /*tileRect*/) {
    const int oldX = whirlwindX;
    const int oldY = whirlwindY;
    whirlwindX += keyDirX * whirlwindStep;
    whirlwindY += keyDirY * whirlwindStep;
    if (blocksMovement(groundAt(whirlwindX, oldY))) {
        whirlwindX = oldX;
    }
    if (blocksMovement(groundAt(oldX, whirlwindY))) {
        whirlwindY = oldY;
    }
    drawTilePass();
    drawWhirlwind();
}
