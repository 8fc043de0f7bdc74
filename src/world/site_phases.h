// What each kind of figure does at its site when it is neither fleeing nor wandering.
#pragma once

#include "world/actor_kinds.h"

// Indians and farmers: put up their building, then roam around it.
void buildAtSite(Game& game, Actor& builder, int index, const ActorKindRules& rules);

// Cows: walk toward a cowboy close by, else graze around their spot.
void followOrGraze(Game& game, Actor& cow, int index, const ActorKindRules& rules);

// Cowboys: mend the pen first (letting all ten cows loose while it is broken), then bring the
// cows in one by one, then roam.
void keepPen(Game& game, Actor& cowboy, int index, const ActorKindRules& rules);
