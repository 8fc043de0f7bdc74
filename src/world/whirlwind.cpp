// The world step, run once a frame while the menu is closed: the whirlwind moves with the
// arrow keys and the right mouse button, the panel is worked, blocking ground stops the
// whirlwind and what stands under it is wrecked; then the map, the figures, the thrown figures
// and the whirlwind itself are drawn in that order, with a gust of wind now and then.
#include "shell/game.h"
#include "world/control_panel.h"
#include "world/game_random.h"
#include "world/structures.h"

namespace {

// Right-mouse steering along one axis: a cursor beyond the near bound moves the whirlwind one
// step that way, beyond the far bound one and a half steps.
struct SteeringBounds {
    int farLow;
    int nearLow;
    int nearHigh;
    int farHigh;
};

// The neutral box is centred on screen point (480, 288), where the whirlwind's own point is.
constexpr SteeringBounds SteeringX{330, 430, 530, 630};
constexpr SteeringBounds SteeringY{138, 238, 338, 438};

int mouseSteering(int cursor, const SteeringBounds& bounds, int step) {
    const int sprint = step + step / 2;
    if (cursor < bounds.farLow) {
        return -sprint;
    }
    if (cursor < bounds.nearLow) {
        return -step;
    }
    if (cursor > bounds.farHigh) {
        return sprint;
    }
    if (cursor > bounds.nearHigh) {
        return step;
    }
    return 0;
}

int keySteering(int direction, int step) {
    if (direction == 1) {
        return step;
    }
    if (direction == -1) {
        return -step;
    }
    return 0;
}

// One gust in 3,277 frames or so.
constexpr int WindChance = 10;

} // namespace

void Game::updateWorld(int cursorX, int cursorY, const platform::Rect& tileRect) {
    const int oldX = whirlwindX;
    const int oldY = whirlwindY;

    whirlwindX += keySteering(keyDirX, whirlwindStep);
    whirlwindY += keySteering(keyDirY, whirlwindStep);
    if (rightButtonDown && !roundOver) {
        whirlwindY += mouseSteering(cursorY, SteeringY, whirlwindStep);
        whirlwindX += mouseSteering(cursorX, SteeringX, whirlwindStep);
    }

    if (leftButtonDown) {
        pressPanel(*this, cursorX, cursorY);
    } else {
        releasePanel(*this);
    }

    // Each axis is held back on its own and the y test is made from the old x: kept on
    // purpose, a diagonal move past the corner of a blocking cell goes through.
    if (blocksMovement(groundAt(whirlwindX, oldY))) {
        whirlwindX = oldX;
    }
    if (blocksMovement(groundAt(oldX, whirlwindY))) {
        whirlwindY = oldY;
    }

    wreckStructureAt(*this, whirlwindX, whirlwindY);
    drawTilePass();
    updateActors(tileRect.left, tileRect.top);
    updateFlyingObjects(tileRect.left, tileRect.top);
    if (gameRandom() < WindChance) {
        playSound(GameSound::Wind);
    }
    drawWhirlwind();
}
