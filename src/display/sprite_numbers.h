// The numbers of the game's pictures in spriteSurfaces. A ground value of the map is the
// number of its picture, a structure value v above 0 is drawn with picture v + 129, and a
// thrown figure's picture k with picture 170 + k. Numbers 125 to 129, 140 to 149, 155 to 169
// and 178 to 189 hold nothing.
#pragma once

#include "world/terrain.h"

namespace Sprite {

enum Number : int {
    // The cursor and the whirlwind's four pictures, which have surfaces of their own outside
    // spriteSurfaces.
    Cursor = -1,
    Character = -2,

    // Ground tiles, 128 x 32, of which only the left 32 x 32 is drawn: every ground value of the
    // map (Ground::Tile, from Water to the last target tile) is the number of its own picture.
    Target001 = Ground::Target001, // the 109 tiles of the shooting target, 16 to 124
    Target109 = Ground::LastTarget,

    // Structures, keyed, drawn over the ground: structure value v (Structure::Tile) is picture
    // v + 129, from the tepee to the fence's bottom-right corner.
    Tepee = 129 + static_cast<int>(Structure::Tepee),
    Fence_BRCorner = 129 + static_cast<int>(Structure::Fence_BRCorner),

    // Figures walking the map, 22 x 22, keyed.
    Indian = 150,
    Cannoe = 151, // an Indian on water
    Farmer = 152,
    Cow = 153,
    CowBoy = 154,

    // Thrown figures in flight and fallen, 22 x 22, keyed.
    Flying_Indian = 170,
    Fallen_Indian = 171,
    Flying_Farmer = 172,
    Fallen_Farmer = 173,
    Flying_Cow = 174,
    Fallen_Cow = 175,
    Flying_CowBoy = 176,
    Fallen_CowBoy = 177,

    // The screen frame and the panel's buttons, opaque.
    Frame_Top = 190,
    Frame_Bottom = 191,
    Frame_Side_R = 192,
    Frame_Side_L = 193,
    Indian_Down = 194,
    Indian_Up = 195,
    Farmer_Down = 196,
    Farmer_Up = 197,
    CowBoy_Down = 198,
    CowBoy_Up = 199,
    Cow_Down = 200,
    Cow_Up = 201,
    Wind_Speed_Down = 202,
    Wind_Speed_Up = 203,
    Wind_Direction_Down = 204,
    Wind_Direction_Up = 205,
};

// Structure value v is drawn with picture v + StructureBase.
inline constexpr int StructureBase = Tepee - static_cast<int>(Structure::Tepee);
// A thrown figure's picture k is picture FlyingBase + k.
inline constexpr int FlyingBase = Flying_Indian;

} // namespace Sprite
