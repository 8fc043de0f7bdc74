// The panel's buttons: one per kind of figure with its picture, the wind-speed gauge whose
// track the game fills with the red bar, and the wind-direction dial the game turns its
// needle on. Each has a normal and a pressed (or selected) picture.
#include <cmath>
#include <numbers>

#include "datagen/art.h"
#include "datagen/pixel_font.h"
#include "datagen/pixel_noise.h"
#include "datagen/woodwork.h"

namespace datagen {

namespace {

// An iron plate with a little grain.
void ironPlate(Canvas& canvas, int x, int y, int width, int height, double light) {
    const GamePalette& p = palette();
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            const double grain = valueNoise(column * 0.3, row * 2.0, 4, 0, 95) - 0.5;
            canvas.set(column, row, p.dithered(Ramp::Stone, light + grain * 1.4, column, row));
        }
    }
}

void rivet(Canvas& canvas, int x, int y) {
    const GamePalette& p = palette();
    canvas.fillRect(x - 1, y - 1, 3, 3, p.shade(Ramp::Stone, 3));
    canvas.set(x - 1, y - 1, p.shade(Ramp::Stone, 9));
    canvas.set(x, y - 1, p.shade(Ramp::Stone, 7));
}

} // namespace

Canvas paintKindButton(ActorKind kind, bool selected) {
    const GamePalette& p = palette();
    Canvas button(60, 60);
    if (selected) {
        // A lit, pushed-in face with a golden border.
        button.recolour([&](int x, int y, Colour) {
            const double d = std::hypot(x - 30.0, y - 31.0);
            return p.dithered(Ramp::Gold, 8.6 - d / 14.0, x, y);
        });
        bevel(button, 0, 0, 60, 60, 3, false);
        button.frameRect(3, 3, 54, 54, p.shade(Ramp::Red, 6));
    } else {
        fillPlanks(button, 0, 0, 60, 60, true, 12, 11 + kindIndex(kind));
        bevel(button, 0, 0, 60, 60, 3, true);
    }
    Canvas figure = paintFigure(kind);
    const Colour shadow = p.shade(Ramp::Foliage, 1);
    figure.recolour([shadow](int, int, Colour c) { return c == shadow ? Key : c; });
    const int shift = selected ? 1 : 0;
    button.blit(figure.scaled(2), 8 + shift, 9 + shift);
    return button;
}

Canvas paintSpeedButton(bool pressed) {
    const GamePalette& p = palette();
    Canvas button(60, 120);
    const int shift = pressed ? -1 : 0; // the game moves its bar the same way
    ironPlate(button, 0, 0, 60, 120, pressed ? 3.8 : 5.2);
    bevel(button, 0, 0, 60, 120, 2, !pressed);
    for (const auto& [x, y] : {std::pair{5, 5}, {54, 5}, {5, 114}, {54, 114}}) {
        rivet(button, x + shift, y + shift);
    }
    // The track the bar rises in: from the bottom at row 96 up to row 19 at full strength.
    const int left = 13 + shift;
    const int top = 16 + shift;
    button.fillRect(left, top, 31, 84, p.shade(Ramp::Grey, 1));
    button.fillRect(left + 1, top + 1, 29, 82, p.shade(Ramp::Grey, 3));
    button.fillRect(left + 1, top + 1, 29, 1, p.shade(Ramp::Grey, 0));
    button.fillRect(left + 1, top + 1, 1, 82, p.shade(Ramp::Grey, 0));
    button.fillRect(left, top + 84, 31, 1, p.shade(Ramp::Stone, 8));
    // Ticks on the left, and a scale from green to red on the right.
    for (int tick = 0; tick <= 10; ++tick) {
        const int y = 97 + shift - tick * 8;
        button.fillRect(5 + shift, y, tick % 5 == 0 ? 7 : 4, 1, p.shade(Ramp::Grey, 1));
    }
    for (int y = 19; y <= 96; ++y) {
        const double strength = (96.0 - y) / 77.0;
        const Colour colour = strength < 0.4    ? p.shade(Ramp::Grass, 14)
                              : strength < 0.75 ? p.shade(Ramp::Gold, 8)
                                                : p.shade(Ramp::Red, 6);
        button.fillRect(47 + shift, y + shift, 4, 1, colour);
    }
    button.frameRect(46 + shift, 18 + shift, 6, 80, p.shade(Ramp::Grey, 1));
    return button;
}

Canvas paintDirectionButton(bool pressed) {
    const GamePalette& p = palette();
    Canvas button(120, 120);
    const int shift = pressed ? 1 : 0;
    ironPlate(button, 0, 0, 120, 120, pressed ? 3.8 : 5.2);
    bevel(button, 0, 0, 120, 120, 2, !pressed);
    for (const auto& [x, y] : {std::pair{6, 6}, {113, 6}, {6, 113}, {113, 113}}) {
        rivet(button, x, y);
    }
    // The dial: a brass bezel round a paper face, centred where the needle turns.
    const double cx = 60.0 + shift;
    const double cy = 60.0 + shift;
    button.paint([&](double x, double y) { return std::hypot(x - cx, y - cy) <= 56.5; },
                 [&](int x, int y) {
                     const double light = ((x - cx) * -0.6 + (y - cy) * -0.8) / 56.0;
                     return p.dithered(Ramp::Gold, 5.5 + light * 3.0, x, y);
                 });
    button.disc(cx, cy, 51.0, p.shade(Ramp::Grey, 1));
    button.paint([&](double x, double y) { return std::hypot(x - cx, y - cy) <= 50.0; },
                 [&](int x, int y) {
                     return p.dithered(Ramp::Sand,
                                       (pressed ? 8.6 : 10.4) - std::hypot(x - cx, y - cy) / 40.0,
                                       x, y);
                 });
    // A compass rose, faint, under the ticks.
    for (int point = 0; point < 4; ++point) {
        const double a = point * std::numbers::pi / 2.0;
        const double ax = std::cos(a);
        const double ay = std::sin(a);
        button.polygon({{cx + ax * 38.0, cy + ay * 38.0},
                        {cx - ay * 6.0, cy + ax * 6.0},
                        {cx + ay * 6.0, cy - ax * 6.0}},
                       p.shade(Ramp::Sand, pressed ? 6 : 8));
    }
    for (int tick = 0; tick < 16; ++tick) {
        const double a = tick * std::numbers::pi / 8.0;
        const double inner = tick % 4 == 0 ? 40.0 : 44.0;
        button.thickLine(cx + std::cos(a) * inner, cy + std::sin(a) * inner,
                         cx + std::cos(a) * 49.0, cy + std::sin(a) * 49.0,
                         tick % 4 == 0 ? 2.0 : 1.0, p.shade(Ramp::Grey, 2));
    }
    const struct {
        const char* letter;
        double angle;
    } points[] = {{"N", -90.0}, {"E", 0.0}, {"S", 90.0}, {"W", 180.0}};
    for (const auto& point : points) {
        const double a = point.angle * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::lround(cx + std::cos(a) * 31.0)) - 5;
        const int y = static_cast<int>(std::lround(cy + std::sin(a) * 31.0)) - 7;
        drawText(button, x, y, point.letter, 2,
                 point.angle == -90.0 ? p.shade(Ramp::Red, 5) : p.shade(Ramp::Grey, 2));
    }
    button.disc(cx, cy, 4.5, p.shade(Ramp::Gold, 3));
    button.disc(cx - 0.5, cy - 0.5, 3.0, p.shade(Ramp::Gold, 8));
    return button;
}

} // namespace datagen
