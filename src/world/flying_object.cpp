// The life of one thrown figure, frame by frame.
#include "world/flying_object.h"

FlyingObject::FlyingObject(double vx, double vy, double x, double y, ActorKind kind)
    : airTime(100), lifeTime(1000), sprite(2 * kindIndex(kind)), vx(vx), vy(vy), x(x), y(y) {}

std::int32_t FlyingObject::tick() {
    if (airTime != 0) {
        --airTime;
    }
    // In its last frame aloft the figure shows its fallen picture.
    if (airTime == 1) {
        ++sprite;
    }
    if (lifeTime != 0) {
        --lifeTime;
    }
    return lifeTime;
}

double FlyingObject::advanceX() {
    if (airTime != 0) {
        x += vx;
    }
    return x;
}

double FlyingObject::advanceY() {
    if (airTime != 0) {
        y += vy;
    }
    return y;
}
