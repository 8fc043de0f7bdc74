// Building and wrecking: the one building routine every builder shares, the cowboys' pens, and
// the whirlwind knocking down what stands in its way.
#include "world/structures.h"

#include "world/movement.h"

namespace {

// A builder works once he is this close to the cell's point on both axes.
constexpr int SiteTolerance = 10;

// What the whirlwind leaves of each structure value; the same value means it is left alone.
constexpr std::array<StructureTile, 11> Wrecked = {
    Empty,         // Empty
    TepeeDown,     // Tepee
    TepeeDown,     // TepeeDown
    FarmHouseDown, // FarmHouse
    FarmHouseDown, // FarmHouseDown
    FarmHouseDown, // Fence_RLSide
    FarmHouseDown, // Fence_TBSide
    FarmHouseDown, // Fence_TLCorner
    FarmHouseDown, // Fence_TRCorner
    FarmHouseDown, // Fence_BLCorner
    FarmHouseDown, // Fence_BRCorner
};

} // namespace

// clang-format off
const std::array<FencePiece, FencePieceCount> FenceRing = {{
    {  -32,  32, Fence_RLSide},   //  1
    {  -32,  64, Fence_RLSide},   //  2
    {  -32,  96, Fence_RLSide},   //  3
    {  -32, 128, Fence_RLSide},   //  4
    {  -32, 160, Fence_BRCorner}, //  5
    {  -64, 160, Fence_TBSide},   //  6
    {  -96, 160, Fence_TBSide},   //  7
    { -128, 160, Fence_TBSide},   //  8
    { -160, 160, Fence_TBSide},   //  9
    { -192, 160, Fence_BLCorner}, // 10
    { -192, 128, Fence_RLSide},   // 11
    { -192,  96, Fence_RLSide},   // 12
    { -192,  64, Fence_RLSide},   // 13
    { -192,  32, Fence_RLSide},   // 14
    { -192,   0, Fence_TLCorner}, // 15
    { -160,   0, Fence_TBSide},   // 16
    { -128,   0, Fence_TBSide},   // 17
    {  -96,   0, Fence_TBSide},   // 18
    {  -64,   0, Fence_TBSide},   // 19
    {  -32,   0, Fence_TRCorner}, // 20
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
        if (game.workAtSite(cowboy, FarmHouseDown, piece.value, cowboy.siteX + piece.dx,
                            cowboy.siteY + piece.dy, FenceWorkFrames)) {
            return true;
        }
    }
    return false;
}

void wreckStructureAt(Game& game, int x, int y) {
    const auto standing = static_cast<std::uint32_t>(game.structureAt(x, y));
    if (standing >= Wrecked.size() || Wrecked[standing] == static_cast<StructureTile>(standing)) {
        return;
    }
    game.playSound(GameSound::Crush);
    game.setStructureAt(x, y, Wrecked[standing]);
}
