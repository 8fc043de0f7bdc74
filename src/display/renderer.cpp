// The world renderer's steps. For now the map and the figures are not drawn yet.
#include "shell/game.h"

void Game::drawTilePass() {
    if (whirlwindY <= 288) {
        whirlwindY = 288;
    }
    if (whirlwindX <= 480) {
        whirlwindX = 480;
    }
}

void Game::drawFigure(platform::Surface* /*sprite*/, int /*x*/, int /*y*/) {}

void Game::drawFigure(platform::Surface* /*sprite*/, double /*x*/, double /*y*/) {}

void Game::drawWhirlwind() {
    ++whirlwindFrameCount;
    if (whirlwindFrameCount == 20) {
        whirlwindFrameCount = 0;
    }
}

void Game::drawFrameAndButtons() {}
