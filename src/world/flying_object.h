// A thrown figure: it flies in a straight line for 99 frames, falls, lies on the ground and
// disappears 1000 frames after the throw. The game keeps them in a list, newest first.
#pragma once

#include <cstdint>

#include "world/actor.h"

class FlyingObject {
public:
    FlyingObject(double vx, double vy, double x, double y, ActorKind kind);

    std::int32_t getSprite() const { return sprite; }
    // One frame of age: returns the frames of life left.
    std::int32_t tick();
    double advanceX();
    double advanceY();

    std::int32_t airTime;  // frames of flight left; it moves only while this is not 0
    std::int32_t lifeTime; // frames left before it is removed
    std::int32_t sprite;   // 2 * kindIndex in flight, one more once fallen (sprite 170 + this)
    double vx;
    double vy;
    double x;
    double y;
};
