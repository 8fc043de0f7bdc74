// Planks, bevels, nails and slots.
#include "datagen/woodwork.h"

#include <cmath>

#include "datagen/pixel_noise.h"

namespace datagen {

void fillPlanks(Canvas& canvas, int x, int y, int width, int height, bool alongX, int plankWidth,
                int seed) {
    const GamePalette& p = palette();
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            const int along = alongX ? column : row;
            const int across = alongX ? row - y : column - x;
            const int plank = across / plankWidth;
            const int inPlank = across % plankWidth;
            if (inPlank == plankWidth - 1) {
                canvas.set(column, row, p.shade(Ramp::Wood, 2)); // the seam
                continue;
            }
            const std::uint32_t s = static_cast<std::uint32_t>(seed * 31 + plank);
            // Grain: stretched noise along the plank, with the odd knot.
            const double grain = valueNoise(along * 0.08, inPlank * 1.0, 3, 0, s) * 0.6 +
                                 valueNoise(along * 0.02, inPlank * 0.5, 4, 0, s + 7) * 0.4;
            const double streak = std::sin(grain * 18.0 + inPlank * 0.9);
            double level = 6.6 + random01(plank, seed, 91) * 1.6 + streak * 0.7;
            if (inPlank == 0) {
                level += 1.5; // the plank's lit edge
            }
            if (inPlank == plankWidth - 2) {
                level -= 1.2;
            }
            canvas.set(column, row, p.dithered(Ramp::Wood, level, column, row));
        }
    }
}

void bevel(Canvas& canvas, int x, int y, int width, int height, int thickness, bool raised) {
    const GamePalette& p = palette();
    const Colour light = p.shade(Ramp::Wood, 12);
    const Colour dark = p.shade(Ramp::Wood, 2);
    for (int i = 0; i < thickness; ++i) {
        const Colour topLeft = raised ? light : dark;
        const Colour bottomRight = raised ? dark : light;
        canvas.fillRect(x + i, y + i, width - 2 * i, 1, topLeft);
        canvas.fillRect(x + i, y + i, 1, height - 2 * i, topLeft);
        canvas.fillRect(x + i, y + height - 1 - i, width - 2 * i, 1, bottomRight);
        canvas.fillRect(x + width - 1 - i, y + i, 1, height - 2 * i, bottomRight);
    }
}

void nail(Canvas& canvas, int x, int y) {
    const GamePalette& p = palette();
    canvas.fillRect(x - 1, y - 1, 3, 3, p.shade(Ramp::Gold, 4));
    canvas.set(x - 1, y - 1, p.shade(Ramp::Gold, 9));
    canvas.set(x, y - 1, p.shade(Ramp::Gold, 7));
    canvas.set(x - 1, y, p.shade(Ramp::Gold, 7));
    canvas.set(x + 1, y + 1, p.shade(Ramp::Gold, 1));
}

void slot(Canvas& canvas, int x, int y, int width, int height, Colour face) {
    const GamePalette& p = palette();
    canvas.fillRect(x, y, width, height, face);
    canvas.fillRect(x - 2, y - 2, width + 4, 2, p.shade(Ramp::Wood, 1));
    canvas.fillRect(x - 2, y - 2, 2, height + 4, p.shade(Ramp::Wood, 1));
    canvas.fillRect(x - 2, y + height, width + 4, 2, p.shade(Ramp::Wood, 11));
    canvas.fillRect(x + width, y - 2, 2, height + 4, p.shade(Ramp::Wood, 11));
    canvas.fillRect(x - 2, y + height, 2, 2, p.shade(Ramp::Wood, 5));
    canvas.fillRect(x + width, y - 2, 2, 2, p.shade(Ramp::Wood, 5));
}

} // namespace datagen
