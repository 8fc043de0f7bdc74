// The sprite catalogue. For now no sprite is loaded.
#include "shell/game.h"

void Game::loadSprites() {}

void Game::loadBitmapSurface(platform::Surface** /*target*/, SurfaceDesc /*desc*/,
                             const char* /*fileName*/) {}
