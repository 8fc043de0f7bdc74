// The town's plan. Each quarter between the streets is cut into lots by lanes, each cut at a
// random place across its longer side, until the lots are house-sized; most lots get a house
// with its roof over a south-facing wall, some stay yards. The hall closes the square to the
// north with columns before its wall; columns line the square's sides and a monument stands in
// its middle.
#include "datagen/town_map.h"

#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

struct Lot {
    int left, top, right, bottom;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

// The quarters round the square, between the streets: the main street runs along rows 139 to
// 141, the side streets down columns 119 and 137, the back streets along rows 132 and 147.
const Lot Quarters[] = {
    {104, 124, 118, 131}, {138, 124, 152, 131}, {104, 134, 118, 138}, {138, 134, 152, 138},
    {104, 142, 118, 146}, {138, 142, 152, 146}, {104, 148, 126, 154}, {130, 148, 152, 154},
};

constexpr Lot Hall = {121, 126, 135, 131};

void build(TerrainMap& map, const Lot& lot, Random& random) {
    const bool wide = lot.width() > 7;
    const bool deep = lot.height() > 4;
    if (!wide && !deep) {
        // A yard now and then, and never a house too small to show a roof over its wall.
        if (lot.width() >= 2 && lot.height() >= 2 && random.below(6) != 0) {
            map.addBuilding(lot.left, lot.top, lot.right, lot.bottom);
        }
        return;
    }
    // Cut across the longer side (rows count double: a house is wider than deep), leaving a
    // lane one cell wide, or two now and then.
    const bool acrossColumns = wide && (lot.width() >= lot.height() * 2 || !deep);
    const int length = acrossColumns ? lot.width() : lot.height();
    const int lane = length > 9 && random.below(3) == 0 ? 2 : 1;
    const int first = 2 + random.below(length - lane - 3);
    if (acrossColumns) {
        build(map, {lot.left, lot.top, lot.left + first - 1, lot.bottom}, random);
        build(map, {lot.left + first + lane, lot.top, lot.right, lot.bottom}, random);
    } else {
        build(map, {lot.left, lot.top, lot.right, lot.top + first - 1}, random);
        build(map, {lot.left, lot.top + first + lane, lot.right, lot.bottom}, random);
    }
}

} // namespace

void addTown(TerrainMap& map) {
    Random random(1877);
    for (const Lot& quarter : Quarters) {
        build(map, quarter, random);
    }
    map.addBuilding(Hall.left, Hall.top, Hall.right, Hall.bottom);
    // The hall's portico: a column before every other cell of its wall.
    for (int column = Hall.left + 1; column < Hall.right; column += 2) {
        map.set(column, Hall.bottom + 1, Ground::Collumn);
    }
    // Columns down both sides of the square, and the monument in its middle.
    for (int row = 135; row <= 145; row += 3) {
        map.set(120, row, Ground::Collumn);
        map.set(136, row, Ground::Collumn);
    }
    map.set(128, 140, Ground::Collumn);
}

} // namespace datagen
