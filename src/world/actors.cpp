// The walking figures, one after the other in table order: each runs from the whirlwind,
// wanders or works at its site, is stopped by the ground, may be caught, and is drawn before
// the next one moves.
#include "shell/game.h"
#include "world/actor_kinds.h"
#include "world/movement.h"

namespace {

// The whirlwind frightens a figure within 100 pixels on both axes, but never one exactly
// level with it on either axis.
constexpr int NearDistance = 100;

// Where the whirlwind swallows a figure, relative to its position: x from 10 to 35 and y
// from 5 to 30, bounds excluded.
constexpr int CatchLeft = 10;
constexpr int CatchRight = 35;
constexpr int CatchTop = 5;
constexpr int CatchBottom = 30;

constexpr int CaughtCap = 1000;

bool isNearWhirlwind(const Actor& actor, int whirlwindX, int whirlwindY) {
    const int dx = actor.x > whirlwindX ? actor.x - whirlwindX : whirlwindX - actor.x;
    const int dy = actor.y > whirlwindY ? actor.y - whirlwindY : whirlwindY - actor.y;
    return 0 < dx && dx < NearDistance && 0 < dy && dy < NearDistance;
}

bool isInWhirlwind(const Actor& actor, int whirlwindX, int whirlwindY) {
    return whirlwindX + CatchLeft < actor.x && actor.x < whirlwindX + CatchRight &&
           whirlwindY + CatchTop < actor.y && actor.y < whirlwindY + CatchBottom;
}

// Farmers, cows and cowboys cannot step onto blocking ground: each axis of the move is undone
// on its own, y tested from the old x.
void holdAtBlockingGround(const Game& game, Actor& actor, int oldX, int oldY) {
    if (blocksMovement(game.groundAt(actor.x, oldY))) {
        actor.x = oldX;
    }
    if (blocksMovement(game.groundAt(oldX, actor.y))) {
        actor.y = oldY;
    }
}

// The caught figure is counted and at once starts again as a new one elsewhere. Kept on
// purpose: cowboys draw four numbers like everyone else although they keep their site.
void catchFigure(Game& game, Actor& actor, const ActorKindRules& rules) {
    if (rules.clearSiteAtCatch) {
        game.setStructureAt(actor.siteX, actor.siteY, Structure::Empty);
    }
    respawnPosition(actor, rules, rules.newSiteAtRespawn);
    std::int32_t& count = game.caught[kindIndex(rules.kind)];
    if (count < CaughtCap) {
        ++count;
    }
    game.playSound(rules.clip);
}

void updateActor(Game& game, Actor& actor, int index, const ActorKindRules& rules) {
    const int whirlwindX = game.whirlwindX;
    const int whirlwindY = game.whirlwindY;
    const int oldX = actor.x;
    const int oldY = actor.y;

    if (isNearWhirlwind(actor, whirlwindX, whirlwindY)) {
        actor.fleeTimer = rules.loose.fleeTime;
    }
    // A cow in its pen is calm: whatever frightened it before, it stops running.
    if (actor.penned != 0) {
        actor.fleeTimer = rules.penned.fleeTime;
    }
    if (actor.fleeTimer > 0) {
        fleeFrom(actor, whirlwindX, whirlwindY);
        --actor.fleeTimer;
    } else if (actor.wanderTimer > 0) {
        wander(actor);
        --actor.wanderTimer;
    } else {
        rules.sitePhase(game, actor, index, rules);
    }

    if (rules.blockedByGround) {
        holdAtBlockingGround(game, actor, oldX, oldY);
    }
    if (isInWhirlwind(actor, whirlwindX, whirlwindY)) {
        catchFigure(game, actor, rules);
    }

    const bool onWater = rules.waterSprite != 0 && game.groundAt(actor.x, actor.y) == Ground::Water;
    game.drawFigure(game.spriteSurfaces[onWater ? rules.waterSprite : rules.sprite], actor.x,
                    actor.y);
}

} // namespace

// The figures' pictures are always cut from the top-left corner of their surfaces.
void Game::updateActors(int /*spriteLeft*/, int /*spriteTop*/) {
    for (const ActorTable& table : actorTables(*this)) {
        const ActorKindRules& rules = rulesFor(table.kind);
        for (int i = 0; i < table.count; ++i) {
            updateActor(*this, table.actors[i], i, rules);
        }
    }
}
