// Points for a thrown figure by how close to the shooting target's centre it lands.
#include "world/scoring.h"

#include <cmath>

namespace {

struct Ring {
    double radius; // inclusive
    std::int32_t points;
};

constexpr Ring Rings[] = {
    {17, 100}, {42, 50}, {75, 25}, {107, 10}, {139, 5}, {172, 1},
};

} // namespace

std::int32_t landingScore(double x, double y) {
    // A figure lying at (6715, 699) has the middle of its picture over the target's centre,
    // the map point (6694, 678).
    const double dx = x - 6720 + 16 - 11;
    const double dy = y - 704 + 16 - 11;
    const double distance = std::sqrt(dx * dx + dy * dy);
    for (const Ring& ring : Rings) {
        if (distance <= ring.radius) {
            return ring.points;
        }
    }
    return 0;
}
