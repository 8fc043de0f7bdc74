// The four kinds of figure side by side.
#include "world/actor_kinds.h"

#include "display/sprite_numbers.h"
#include "world/game_random.h"
#include "world/movement.h"
#include "world/site_phases.h"

void respawnPosition(Actor& actor, const ActorKindRules& rules, bool newSite) {
    const int r1 = gameRandom();
    const int r2 = gameRandom();
    const int r3 = gameRandom();
    const int r4 = gameRandom();
    const TileSquare& square = rules.respawn;
    actor.x = tileCoordinate(r1, square.firstColumn, square.columns);
    actor.y = tileCoordinate(r2, square.firstRow, square.rows);
    if (newSite) {
        actor.siteX = actor.x + (r3 % 20 - 10) * TileSize;
        actor.siteY = actor.y + (r4 % 20 - 10) * TileSize;
    }
    actor.fleeTimer = 0;
    actor.workTimer = 0;
    actor.penned = 0;
    actor.step = stepFor(rules, r1);
}

// clang-format off
const std::array<ActorKindRules, ActorKindCount> ActorKinds = {{
    // kind               loose: flee roam wander  penned: flee roam wander  headings blocked
    //                    respawn square {column, columns, row, rows}  new site  clear site
    //                    quick step  always quick  building {work, final, frames}
    //                    clip  sprite  on water  site phase
    {ActorKind::Indian,   {200, 300,  20},         {200, 300,  20},          10,      false,
                          {25, 20, 30, 20},        true,     true,
                          2, false,                {Structure::TepeeDown, Structure::Tepee, 500},
                          GameSound::Indian, Sprite::Indian, Sprite::Cannoe, buildAtSite},
    {ActorKind::Farmer,   {150, 300,  50},         {150, 300,  50},          30,      true,
                          {50, 150, 25, 70},       true,     true,
                          2, false,                {Structure::FarmHouseDown, Structure::FarmHouse, 500},
                          GameSound::Farm,   Sprite::Farmer, 0,              buildAtSite},
    {ActorKind::Cow,      {600, 500, 100},         {  0,  50,  10},          50,      true,
                          CowPasture,              true,     false,
                          3, false,                {},
                          GameSound::Cow,    Sprite::Cow,    0,              followOrGraze},
    {ActorKind::CowBoy,   {150, 500,  50},         {150, 500,  50},          50,      true,
                          {50, 150, 100, 70},      false,    false,
                          2, true,                 {},
                          GameSound::CowBoy, Sprite::CowBoy, 0,              keepPen},
}};
// clang-format on
