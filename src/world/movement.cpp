// How the figures walk.
#include "world/movement.h"

#include <cstdint>

#include "world/game_random.h"

namespace {

struct Move {
    int dx;
    int dy;
};

// The eight headings; y grows downward.
constexpr Move Headings[8] = {
    {-1, -1}, // 0 up left
    {+1, +1}, // 1 down right
    {-1, 0},  // 2 left
    {0, +1},  // 3 down
    {-1, +1}, // 4 down left
    {+1, 0},  // 5 right
    {0, -1},  // 6 up
    {+1, -1}, // 7 up right
};

constexpr int FleeExtraSpeed = 2;

} // namespace

void fleeFrom(Actor& actor, int whirlwindX, int whirlwindY) {
    const int stride = actor.step + FleeExtraSpeed;
    actor.x += actor.x > whirlwindX ? stride : -stride;
    actor.y += actor.y < whirlwindY ? -stride : stride;
}

void wander(Actor& actor) {
    const auto heading = static_cast<std::uint32_t>(actor.heading);
    if (heading < 8) {
        actor.x += Headings[heading].dx * actor.step;
        actor.y += Headings[heading].dy * actor.step;
    }
}

void roam(Actor& actor, const Habits& habits, int headingRange) {
    const int range = habits.roamRange;
    if (actor.x < actor.siteX - range) {
        actor.x += actor.step;
    } else if (actor.x > actor.siteX + range) {
        actor.x -= actor.step;
    } else if (actor.y < actor.siteY - range) {
        actor.y += actor.step;
    } else if (actor.y > actor.siteY + range) {
        actor.y -= actor.step;
    } else {
        actor.heading = gameRandom() % headingRange;
        actor.wanderTimer = habits.wanderTime;
    }
}

bool walkToward(Actor& actor, int targetX, int targetY, int tolerance, int step, int yOnlyStep) {
    const auto alongY = [&] {
        if (actor.y < targetY - tolerance) {
            actor.y += step;
        } else if (actor.y > targetY + tolerance) {
            actor.y -= step;
        }
    };
    if (actor.x < targetX - tolerance) {
        actor.x += step;
        alongY();
        return true;
    }
    if (actor.x > targetX + tolerance) {
        actor.x -= step;
        alongY();
        return true;
    }
    if (actor.y < targetY - tolerance) {
        actor.y += yOnlyStep;
        return true;
    }
    if (actor.y > targetY + tolerance) {
        actor.y -= yOnlyStep;
        return true;
    }
    return false;
}
