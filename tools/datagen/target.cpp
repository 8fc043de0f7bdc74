// The shooting target: a ring target painted on the meadow, cut into 109 tiles. Its rings
// lie at the scoring distances around the centre; the outer edge is drawn a little inside
// the last scoring distance so that the round shape fits the tiles whole.
#include "datagen/target.h"

#include <algorithm>
#include <cmath>

#include "datagen/art.h"
#include "datagen/ground.h"
#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

constexpr int TargetTiles = 109;
constexpr double PaintedEdge = 168.0;

// Distance from the centre to the nearest point of a cell.
double cellDistance(int column, int row) {
    const double left = column * 32.0;
    const double top = row * 32.0;
    const double dx = std::max({left - TargetCentreX, 0.0, TargetCentreX - (left + 31.0)});
    const double dy = std::max({top - TargetCentreY, 0.0, TargetCentreY - (top + 31.0)});
    return std::hypot(dx, dy);
}

Colour targetAt(int x, int y) {
    const GamePalette& p = palette();
    const double d = std::hypot(x + 0.5 - TargetCentreX, y + 0.5 - TargetCentreY);
    if (d > PaintedEdge + 0.5) {
        return grassAt(x, y);
    }
    if (d > PaintedEdge - 1.5) {
        return p.shade(Ramp::Red, 1); // the rim
    }
    for (int ring : RingRadii) {
        if (std::abs(d - ring) < 0.75 && ring < PaintedEdge) {
            return p.shade(Ramp::Grey, 3); // a dividing line
        }
    }
    const double grain = random01(x, y, 61) - 0.5;
    int ring = 0;
    while (ring < 5 && d > RingRadii[ring]) {
        ++ring;
    }
    // The paint is a little worn: lighter toward each ring's inner edge.
    const double inner = ring == 0 ? 0.0 : RingRadii[ring - 1];
    const double outer = ring == 5 ? PaintedEdge : RingRadii[ring];
    const double across = (d - inner) / (outer - inner);
    switch (ring) {
    case 0: // the bull's eye
        return p.dithered(Ramp::Gold, 10.0 - d / 10.0 + grain * 0.8, x, y);
    case 2:
    case 4: // white rings
        return p.dithered(Ramp::Grey, 14.4 - across * 1.3 + grain * 0.8, x, y);
    default: // red rings
        return p.dithered(Ramp::Red, 7.3 - across * 1.4 + grain, x, y);
    }
}

} // namespace

const std::vector<MapCell>& targetCells() {
    static const std::vector<MapCell> cells = [] {
        std::vector<MapCell> around;
        const int centreColumn = TargetCentreX / 32;
        const int centreRow = TargetCentreY / 32;
        for (int column = centreColumn - 8; column <= centreColumn + 8; ++column) {
            for (int row = centreRow - 8; row <= centreRow + 8; ++row) {
                around.push_back({column, row});
            }
        }
        std::stable_sort(around.begin(), around.end(), [](const MapCell& a, const MapCell& b) {
            return cellDistance(a.column, a.row) < cellDistance(b.column, b.row);
        });
        around.resize(TargetTiles);
        std::sort(around.begin(), around.end(), [](const MapCell& a, const MapCell& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
        return around;
    }();
    return cells;
}

Canvas paintTargetTile(int number) {
    const MapCell cell = targetCells().at(number - 1);
    Canvas tile(32, 32);
    tile.recolour(
        [&](int x, int y, Colour) { return targetAt(cell.column * 32 + x, cell.row * 32 + y); });
    return tile;
}

} // namespace datagen
