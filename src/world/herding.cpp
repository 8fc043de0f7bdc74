// Cowboys and their cows: a loose cow trots after the first cowboy close by, and a cowboy whose
// pen stands fetches his cows one at a time and leads each to the pen's gate.
#include "shell/game.h"
#include "world/movement.h"

namespace {

// A cow notices a cowboy closer than this on both axes.
constexpr int CowNoticeDistance = 100;
// A cowboy fetching a cow walks until he is this close to it on both axes...
constexpr int FetchDistance = 90;
// ...then leads it at a walk to within this much of his site.
constexpr int GateTolerance = 10;
constexpr int LeadStep = 1;
// Where a penned cow grazes, from the cowboy's site: inside the ring.
constexpr int PenSpotDX = -64;
constexpr int PenSpotDY = 128;

} // namespace

bool Game::followCowBoy(Actor& cow) {
    if (cow.penned != 0) {
        return false;
    }
    for (const Actor& cowboy : cowboys) {
        const int dx = cow.x - cowboy.x;
        const int dy = cow.y - cowboy.y;
        if (-CowNoticeDistance < dx && dx < CowNoticeDistance && -CowNoticeDistance < dy &&
            dy < CowNoticeDistance) {
            // Kept on purpose: level with him the cow still steps on, right or downward.
            cow.x += cow.x > cowboy.x ? -cow.step : cow.step;
            cow.y += cow.y > cowboy.y ? -cow.step : cow.step;
            return true;
        }
    }
    return false;
}

bool Game::herdCow(Actor& cowboy, int c) {
    Actor* loose = nullptr;
    for (int i = 0; i < CowsPerCowBoy && loose == nullptr; ++i) {
        Actor& cow = cows[c * CowsPerCowBoy + i];
        if (cow.penned == 0) {
            loose = &cow;
        }
    }
    if (loose == nullptr) {
        return false;
    }
    Actor& cow = *loose;
    if (walkToward(cowboy, cow.x, cow.y, FetchDistance, cowboy.step, cowboy.step + 1)) {
        return true;
    }
    // The cow is not led by the hand: it follows him in its own turn.
    if (walkToward(cowboy, cowboy.siteX, cowboy.siteY, GateTolerance, LeadStep, LeadStep)) {
        return true;
    }
    cow.penned = 1;
    cow.siteX = cowboy.siteX + PenSpotDX;
    cow.siteY = cowboy.siteY + PenSpotDY;
    return true;
}
