// The four kinds of figure that walk the map, and the record each of them lives in.
#pragma once

#include <cstdint>

// The four kinds of figure. The number of a kind (Indian first, from 1) orders the caught
// counters and the panel's kind icons, and picks the pictures of a thrown figure.
enum class ActorKind : std::int32_t {
    Indian = 1,
    Farmer = 2,
    Cow = 3,
    CowBoy = 4,
};

inline constexpr int ActorKindCount = 4;

// The place of a kind in the caught counters and other tables by kind: Indian 0 to CowBoy 3.
constexpr int kindIndex(ActorKind kind) {
    return static_cast<int>(kind) - 1;
}

// The kind at that place; anything outside 0 to 3 is no kind (see isActorKind).
constexpr ActorKind kindAt(int index) {
    return static_cast<ActorKind>(index + 1);
}

constexpr bool isActorKind(ActorKind kind) {
    return kind >= ActorKind::Indian && kind <= ActorKind::CowBoy;
}

struct Actor {
    std::int32_t x = 0; // position, world pixels
    std::int32_t y = 0;
    std::int32_t heading = 0; // wander direction 0..7; anything larger stands still
    std::int32_t step = 0;    // pixels a frame
    std::int32_t siteX = 0;   // where the figure builds or grazes
    std::int32_t siteY = 0;
    std::int32_t fleeTimer = 0;   // frames left of running from the whirlwind
    std::int32_t wanderTimer = 0; // frames left of walking in heading
    std::int32_t workTimer = 0;   // countdown while building at the site
    std::uint8_t penned = 0;      // cows only: brought into the cowboy's pen
};

inline constexpr int IndianCount = 20;
inline constexpr int FarmerCount = 20;
inline constexpr int CowCount = 50;
inline constexpr int CowBoyCount = 5;
// Cows 10c .. 10c + 9 belong to cowboy c.
inline constexpr int CowsPerCowBoy = 10;
