// Building and wrecking: the one building routine every builder shares, the cowboys' pens, and
// the whirlwind knocking down what stands in its way.
#include "world/structures.h"

#include "world/movement.h"

namespace {

// A builder works once he is this close to the cell's point on both axes.
constexpr int SiteTolerance = 10;

// What the whirlwind leaves of each structure value; the same value means it is left alone.
constexpr std::array<Structure::Tile, 11> Wrecked = {
    Structure::Empty,         // Empty
    Structure::TepeeDown,     // Tepee
    Structure::TepeeDown,     // TepeeDown
    Structure::FarmHouseDown, // FarmHouse
    Structure::FarmHouseDown, // FarmHouseDown
    Structure::FarmHouseDown, // Fence_RLSide
    Structure::FarmHouseDown, // Fence_TBSide
    Structure::FarmHouseDown, // Fence_TLCorner
    Structure::FarmHouseDown, // Fence_TRCorner
    Structure::FarmHouseDown, // Fence_BLCorner
    Structure::FarmHouseDown, // Fence_BRCorner
};

} // namespace

// clang-format off
const std::array<FencePiece, FencePieceCount> FenceRing = {{
    {  -32,  32, Structure::Fence_RLSide},   //  1
    {  -32,  64, Structure::Fence_RLSide},   //  2
    {  -32,  96, Structure::Fence_RLSide},   //  3
    {  -32, 128, Structure::Fence_RLSide},   //  4
    {  -32, 160, Structure::Fence_BRCorner}, //  5
    {  -64, 160, Structure::Fence_TBSide},   //  6
    {  -96, 160, Structure::Fence_TBSide},   //  7
    { -128, 160, Structure::Fence_TBSide},   //  8
    { -160, 160, Structure::Fence_TBSide},   //  9
    { -192, 160, Structure::Fence_BLCorner}, // 10
    { -192, 128, Structure::Fence_RLSide},   // 11
    { -192,  96, Structure::Fence_RLSide},   // 12
    { -192,  64, Structure::Fence_RLSide},   // 13
    { -192,  32, Structure::Fence_RLSide},   // 14
    { -192,   0, Structure::Fence_TLCorner}, // 15
    { -160,   0, Structure::Fence_TBSide},   // 16
    { -128,   0, Structure::Fence_TBSide},   // 17
    {  -96,   0, Structure::Fence_TBSide},   // 18
    {  -64,   0, Structure::Fence_TBSide},   // 19
    {  -32,   0, Structure::Fence_TRCorner}, // 20
}};
// clang-format on

bool Game::workAtSite(Actor& actor, std::int32_t workValue, std::int32_t finalValue, int siteX,
                      int siteY, int duration) {
    if (structureAt(siteX, siteY) == finalValue) {
        return false;
    }
    if (walkToward(actor, siteX, siteY, SiteTolerance, actor.step, actor.step)) {
        return true;
    }
    // Work survives fleeing and wandering: the count goes on where it stopped.
    if (actor.workTimer == 1) {
        setStructureAt(siteX, siteY, finalValue);
        actor.workTimer = 0;
    } else if (actor.workTimer == 0) {
        setStructureAt(siteX, siteY, workValue);
        actor.workTimer = duration;
    } else {
        --actor.workTimer;
    }
    return true;
}

bool mendFence(Game& game, Actor& cowboy) {
    for (const FencePiece& piece : FenceRing) {
        if (game.workAtSite(cowboy, Structure::FarmHouseDown, piece.value, cowboy.siteX + piece.dx,
                            cowboy.siteY + piece.dy, FenceWorkFrames)) {
            return true;
        }
    }
    return false;
}

void wreckStructureAt(Game& game, int x, int y) {
    const auto standing = static_cast<std::uint32_t>(game.structureAt(x, y));
    if (standing >= Wrecked.size() || Wrecked[standing] == static_cast<Structure::Tile>(standing)) {
        return;
    }
    game.playSound(GameSound::Crush);
    game.setStructureAt(x, y, Wrecked[standing]);
}
