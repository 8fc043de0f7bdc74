// How the figures walk: running from the whirlwind, wandering in a heading, roaming back toward
// their site, and walking up to a point.
#pragma once

#include "world/actor.h"
#include "world/actor_kinds.h"
#include "world/terrain.h"

// Runs diagonally away from the whirlwind at two pixels above the figure's step. Kept on
// purpose: a figure exactly level with it in x runs left, one level in y runs down.
void fleeFrom(Actor& actor, int whirlwindX, int whirlwindY);

// One step in the figure's heading; headings of 8 and more stand still.
void wander(Actor& actor);

// Walks back into the square of half side roamRange around the site, one axis a frame, x
// first; once inside it, draws a new heading and wanders for the habit's time.
void roam(Actor& actor, const Habits& habits, int headingRange);

// One stride toward (targetX, targetY) unless the actor is within tolerance of it on both
// axes. A stride moves x by step and, in the same frame, y by step as well when y is out of
// tolerance too; once x is close enough, y alone moves by yOnlyStep. False when already there.
bool walkToward(Actor& actor, int targetX, int targetY, int tolerance, int step, int yOnlyStep);

// The world coordinate of the tile that a random draw picks from count tiles after first.
constexpr int tileCoordinate(int draw, int first, int count) {
    return (draw % count + first) * TileSize;
}
