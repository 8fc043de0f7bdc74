// The control panel: choosing a kind, setting the wind's speed and direction, and throwing.
#include "world/control_panel.h"

#include "world/actor_kinds.h"

namespace {

// A hot zone of the panel in screen pixels; every bound is excluded.
struct Zone {
    int left;
    int top;
    int right;
    int bottom;

    bool holds(int x, int y) const { return left < x && x < right && top < y && y < bottom; }
};

struct KindIcon {
    ActorKind kind;
    Zone zone;
};

constexpr KindIcon KindIcons[] = {
    {ActorKind::Indian, {943, 636, 1003, 696}},
    {ActorKind::Farmer, {943, 696, 1003, 756}},
    {ActorKind::Cow, {883, 636, 943, 696}},
    {ActorKind::CowBoy, {883, 696, 943, 756}},
};
constexpr Zone SpeedButton{823, 636, 883, 756};
constexpr Zone DirectionButton{703, 636, 823, 756};

std::int32_t& caughtOf(Game& game, ActorKind kind) {
    return game.caught[kindIndex(kind)];
}

} // namespace

void pressPanel(Game& game, int cursorX, int cursorY) {
    const bool latched = game.speedLatched;
    game.selectedKind = game.heldKind;
    if (!latched) {
        for (const KindIcon& icon : KindIcons) {
            if (icon.zone.holds(cursorX, cursorY)) {
                game.selectedKind = icon.kind;
            }
        }
    }
    // With nothing of the kind caught the speed button neither presses nor lets go; kept on
    // purpose, so a pressed button can be carried onto an empty kind (the throw then fails).
    if (caughtOf(game, game.selectedKind) != 0) {
        if (SpeedButton.holds(cursorX, cursorY)) {
            game.speedButtonDown = true;
        } else if (!latched) {
            game.speedButtonDown = false;
        }
    }
    game.directionButtonDown = latched && DirectionButton.holds(cursorX, cursorY);
}

void releasePanel(Game& game) {
    game.heldKind = game.selectedKind;
    if (game.directionButtonDown) {
        game.speedButtonDown = false;
        game.directionButtonDown = false;
        game.speedLatched = false;
        // Only a figure that was really caught can be thrown: a latch carried over onto an
        // empty kind ends without a throw.
        std::int32_t& count = caughtOf(game, game.selectedKind);
        if (count > 0) {
            --count;
            // A thrown figure gives the same call as a caught one.
            game.playSound(rulesFor(game.selectedKind).clip);
            game.launchFlyingObject(game.selectedKind);
        }
    }
    if (game.speedButtonDown) {
        game.speedLatched = true;
    }
}
