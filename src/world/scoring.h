// Points for a thrown figure by how close to the shooting target's centre it lands.
#pragma once

#include <cstdint>

// The points of the first ring around the target's centre that holds the landing point.
std::int32_t landingScore(double x, double y);
