// Throwing caught figures and the flight of everything thrown: the list, newest first, is
// walked once a frame; each object ages, moves, is drawn, lands with a splat and a score, and
// is removed when its life is over.
#include <cmath>
#include <new>

#include "display/sprite_numbers.h"
#include "shell/game.h"
#include "world/flying_object.h"
#include "world/scoring.h"

namespace {

// Figures fly from the middle of the whirlwind's picture.
constexpr int LaunchOffset = 15;
// The power gauge peaks at 65; past it the throw weakens again.
constexpr double PeakPower = 65;
constexpr int FlyingSpriteBase = Sprite::Flying_Indian;
// One hundred and one frames after the throw the figure hits the ground.
constexpr std::int32_t LandingLife = 899;

// The picture of a thrown figure, or none for a sprite value the catalogue does not hold.
platform::Surface* flyingPicture(const Game& game, std::int32_t sprite) {
    const std::int32_t number = FlyingSpriteBase + sprite;
    return number >= 0 && number < SpriteCount ? game.spriteSurfaces[number] : nullptr;
}

} // namespace

void Game::launchFlyingObject(ActorKind kind) {
    const double power = launchPower;
    const double speed = power <= PeakPower ? power * 0.1 : (PeakPower - (power - PeakPower)) * 0.1;
    const double angle = launchAngle * 0.1;
    flyingObjects.emplace_front(speed * std::cos(angle), speed * std::sin(angle),
                                whirlwindX + LaunchOffset, whirlwindY + LaunchOffset, kind);
}

// The figures' pictures are always cut from the top-left corner of their surfaces.
void Game::updateFlyingObjects(int /*spriteLeft*/, int /*spriteTop*/) {
    for (auto object = flyingObjects.begin(); object != flyingObjects.end();) {
        const std::int32_t life = object->tick();
        if (life == 0) {
            object = flyingObjects.erase(object);
            continue;
        }
        const double x = object->advanceX();
        const double y = object->advanceY();
        drawFigure(flyingPicture(*this, object->getSprite()), x, y);
        if (life == LandingLife) {
            playSound(GameSound::Splat);
            score += landingScore(x, y);
        }
        ++object;
    }
}
