// Every picture of the game, each painted by one function in the file named after its kind:
// town_tiles, target, structures, figures, whirlwind, frame, buttons, pictures.
#pragma once

#include "datagen/canvas.h"
#include "world/actor.h"
#include "world/terrain.h"

namespace datagen {

// Town ground (32 x 32): the buildings' walls and roofs, stone columns, and the bombed,
// blasted and burnt ground.
Canvas paintBuilding();
Canvas paintBuildingTop();
Canvas paintColumn();
Canvas paintDropBomb();
Canvas paintBlast();
Canvas paintBurnt();

// Target tile 1..109 (32 x 32): its piece of the painted target.
Canvas paintTargetTile(int number);

// Tepees, farmhouses and fence pieces (32 x 32, keyed): value Tepee .. Fence_BRCorner.
Canvas paintStructure(Structure::Tile structure);

// Walking figures (22 x 22, keyed), the canoe, and each kind thrown and fallen.
Canvas paintFigure(ActorKind kind);
Canvas paintCanoe();
Canvas paintFlying(ActorKind kind);
Canvas paintFallen(ActorKind kind);

// The whirlwind's four frames side by side (128 x 32, keyed), and the mouse cursor (32 x 32,
// keyed, pointing at the middle of its top edge).
Canvas paintWhirlwind();
Canvas paintCursor();

// The screen frame: top strip 1024 x 32, side strips 32 x 577, bottom panel 1024 x 159.
Canvas paintFrameTop();
Canvas paintFrameSide(bool right);
Canvas paintFrameBottom();

// Panel buttons: kind icons 60 x 60, the wind-speed gauge 60 x 120, the wind-direction dial
// 120 x 120; each normal and pressed.
Canvas paintKindButton(ActorKind kind, bool selected);
Canvas paintSpeedButton(bool pressed);
Canvas paintDirectionButton(bool pressed);

// The full-screen pictures, 1024 x 768: the title shown while the game loads, and the menu.
Canvas paintSplash();
Canvas paintMenu();

} // namespace datagen
