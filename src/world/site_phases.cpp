// What each kind of figure does at its site when it is neither fleeing nor wandering.
#include "world/site_phases.h"

#include "world/game_random.h"
#include "world/movement.h"
#include "world/structures.h"

void buildAtSite(Game& game, Actor& builder, int /*index*/, const ActorKindRules& rules) {
    const BuildingPlan& building = rules.building;
    if (!game.workAtSite(builder, building.workValue, building.finalValue, builder.siteX,
                         builder.siteY, building.duration)) {
        roam(builder, rules.loose, rules.headingRange);
    }
}

void followOrGraze(Game& game, Actor& cow, int /*index*/, const ActorKindRules& rules) {
    if (!game.followCowBoy(cow)) {
        roam(cow, cow.penned ? rules.penned : rules.loose, rules.headingRange);
    }
}

void keepPen(Game& game, Actor& cowboy, int index, const ActorKindRules& rules) {
    if (mendFence(game, cowboy)) {
        // Kept on purpose: every frame the pen stands broken, his cows are sent to new spots
        // on the pasture, two draws each.
        for (int i = 0; i < CowsPerCowBoy; ++i) {
            Actor& cow = game.cows[index * CowsPerCowBoy + i];
            cow.penned = 0;
            cow.siteX = tileCoordinate(gameRandom(), CowPasture.firstColumn, CowPasture.columns);
            cow.siteY = tileCoordinate(gameRandom(), CowPasture.firstRow, CowPasture.rows);
        }
        return;
    }
    if (!game.herdCow(cowboy, index)) {
        roam(cowboy, rules.loose, rules.headingRange);
    }
}
