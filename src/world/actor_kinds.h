// What sets the four kinds of figure apart: how long they run from the whirlwind, how far they
// roam around their site, how they pick a heading, what they build, where they come back after
// being caught, how fast they walk, the call they give and the picture they show.
#pragma once

#include <array>
#include <cstdint>

#include "shell/game.h"
#include "world/actor.h"

struct ActorKindRules;

// What a figure does when it is neither fleeing nor wandering; index is its place in its table.
using SitePhase = void (*)(Game& game, Actor& actor, int index, const ActorKindRules& rules);

// How a figure behaves: cows inside their pen are calmer and stay close to their grazing spot.
struct Habits {
    int fleeTime;   // frames of running set whenever the whirlwind is near
    int roamRange;  // half side of the square around the site it may roam (R)
    int wanderTime; // frames of walking in a new heading once it is inside that square
};

// The structure a builder puts up at his site: shown as workValue while he works, finalValue
// after duration frames of work.
struct BuildingPlan {
    std::int32_t workValue;
    std::int32_t finalValue;
    int duration;
};

// A square of whole tiles, in columns and rows from its top-left tile.
struct TileSquare {
    int firstColumn;
    int columns;
    int firstRow;
    int rows;
};

struct ActorKindRules {
    ActorKind kind;
    Habits loose;
    Habits penned;
    int headingRange;     // a new heading is a draw mod this; 8 and above stand still
    bool blockedByGround; // Indians paddle across water and walk through walls
    TileSquare respawn;   // where the figure starts, and comes back after being caught
    bool newSiteAtRespawn;
    bool clearSiteAtCatch;
    int quickStep;    // the speed of the one figure in a hundred that is quicker...
    bool alwaysQuick; // ...or of every one of them
    BuildingPlan building;
    GameSound clip; // given when caught and when thrown
    int sprite;
    int waterSprite; // the picture on water, or 0 for the same picture everywhere
    SitePhase sitePhase;
};

// The walking speed drawn with a figure's first number: most walk a pixel a frame.
inline std::int32_t stepFor(const ActorKindRules& rules, int firstDraw) {
    return rules.alwaysQuick || firstDraw % 100 == 32 ? rules.quickStep : 1;
}

// Four draws put the figure on a random tile of its kind's respawn square, calm, idle and out of
// any pen, at the speed its first draw gives; with newSite its site moves to a random point up
// to ten tiles away on each axis.
void respawnPosition(Actor& actor, const ActorKindRules& rules, bool newSite);

// Indexed by kindIndex.
extern const std::array<ActorKindRules, ActorKindCount> ActorKinds;

inline const ActorKindRules& rulesFor(ActorKind kind) {
    return ActorKinds[kindIndex(kind)];
}

// One of the four tables of figures.
struct ActorTable {
    Actor* actors;
    int count;
    ActorKind kind;
};

// The tables in the order the game places and moves them: Indians, farmers, cows, cowboys.
inline std::array<ActorTable, 4> actorTables(Game& game) {
    return {{
        {game.indians.data(), IndianCount, ActorKind::Indian},
        {game.farmers.data(), FarmerCount, ActorKind::Farmer},
        {game.cows.data(), CowCount, ActorKind::Cow},
        {game.cowboys.data(), CowBoyCount, ActorKind::CowBoy},
    }};
}

// The tile square in which the cows graze; cows released from a broken pen go there too.
inline constexpr TileSquare CowPasture{25, 170, 25, 170};
