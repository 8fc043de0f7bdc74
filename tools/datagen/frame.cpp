// The wooden frame round the view of the map, and the bottom panel: carved labels beside the
// grey slots where the game prints the caught counts, the score, the time left and the best
// score, the game's name, and a recessed bay for the throwing buttons.
#include <optional>

#include "datagen/art.h"
#include "datagen/pixel_font.h"
#include "datagen/woodwork.h"

namespace datagen {

namespace {

constexpr int PanelTop = 609; // the panel's place on the screen

// Where the game prints each number (screen point of the text's top-left corner) and the
// label carved beside it.
struct PanelNumber {
    int x;
    int y;
    const char* label;
    std::optional<ActorKind> figure; // the kind whose picture stands beside the label
};

const PanelNumber PanelNumbers[] = {
    {140, 647, "Indians", ActorKind::Indian}, {140, 674, "Farmers", ActorKind::Farmer},
    {140, 702, "Cowboys", ActorKind::CowBoy}, {140, 729, "Cows", ActorKind::Cow},
    {400, 647, "Score", std::nullopt},        {400, 674, "Time left", std::nullopt},
    {400, 729, "Best", std::nullopt},
};

constexpr int SlotWidth = 128;
constexpr int SlotHeight = 21;

Colour labelColour() {
    return palette().shade(Ramp::Sand, 11);
}
Colour carvedShadow() {
    return palette().shade(Ramp::Wood, 1);
}

void carve(Canvas& canvas, int x, int y, const std::string& text, int scale) {
    drawText(canvas, x + 1, y + 1, text, scale, carvedShadow());
    drawText(canvas, x, y, text, scale, labelColour());
}

} // namespace

Canvas paintFrameTop() {
    const GamePalette& p = palette();
    Canvas top(1024, 32);
    fillPlanks(top, 0, 0, 1024, 32, true, 15, 1);
    top.fillRect(0, 0, 1024, 1, p.shade(Ramp::Wood, 12));
    top.fillRect(30, 29, 964, 3, p.shade(Ramp::Wood, 1)); // the view's shadowed edge
    top.fillRect(31, 30, 962, 2, p.shade(Ramp::Grey, 1));
    for (int x = 16; x < 1024; x += 64) {
        if (x < 420 || x > 604) {
            nail(top, x, 7);
            nail(top, x, 22);
        }
    }
    // The name on a plaque in the middle.
    const std::string name = "KESTRAVAN";
    const int width = textWidth(name, 2);
    top.fillRect(512 - width / 2 - 12, 4, width + 24, 22, p.shade(Ramp::Wood, 3));
    bevel(top, 512 - width / 2 - 12, 4, width + 24, 22, 1, false);
    drawText(top, 512 - width / 2 + 1, 9, name, 2, p.shade(Ramp::Wood, 1));
    drawText(top, 512 - width / 2, 8, name, 2,
             [&](int, int y) { return p.shade(Ramp::Gold, y < 15 ? 10 : 8); });
    return top;
}

Canvas paintFrameSide(bool right) {
    const GamePalette& p = palette();
    Canvas side(32, 577);
    fillPlanks(side, 0, 0, 32, 577, false, 15, right ? 3 : 2);
    const int inner = right ? 0 : 29;
    side.fillRect(inner, 0, 3, 577, p.shade(Ramp::Wood, 1));
    side.fillRect(right ? 0 : 30, 0, 2, 577, p.shade(Ramp::Grey, 1));
    side.fillRect(right ? 31 : 0, 0, 1, 577, p.shade(Ramp::Wood, right ? 2 : 12));
    for (int y = 24; y < 577; y += 64) {
        nail(side, right ? 12 : 16, y);
    }
    return side;
}

Canvas paintFrameBottom() {
    const GamePalette& p = palette();
    Canvas panel(1024, 159);
    fillPlanks(panel, 0, 0, 1024, 159, true, 14, 4);
    panel.fillRect(30, 0, 964, 2, p.shade(Ramp::Grey, 1)); // under the view
    panel.fillRect(30, 2, 964, 1, p.shade(Ramp::Wood, 12));
    panel.fillRect(0, 158, 1024, 1, p.shade(Ramp::Wood, 1));

    carve(panel, 24, 11, "Caught", 2);
    carve(panel, 300, 11, "Round", 2);
    const Colour grey = p.shade(Ramp::Grey, 8); // exactly the game's text background
    for (const PanelNumber& number : PanelNumbers) {
        const int top = number.y - PanelTop - 4;
        const int left = number.x - 6;
        slot(panel, left, top, SlotWidth, SlotHeight, grey);
        const int labelRight = left - 10;
        carve(panel, labelRight - textWidth(number.label, 2), top + 4, number.label, 2);
        if (number.figure) {
            Canvas figure = paintFigure(*number.figure);
            panel.blit(figure, 8, top - 1);
        }
    }
    nail(panel, 10, 10);
    nail(panel, 545, 10);
    nail(panel, 10, 148);
    nail(panel, 545, 148);

    // The game's name and its whirlwind in the middle.
    const Canvas whirlwind = paintWhirlwind().crop(0, 0, 32, 32).scaled(2);
    panel.fillRect(566, 14, 118, 126, p.shade(Ramp::Wood, 4));
    bevel(panel, 566, 14, 118, 126, 2, false);
    panel.blit(whirlwind, 593, 24);
    const std::string name = "Kestravan";
    drawText(panel, 625 - textWidth(name, 2) / 2 + 1, 99, name, 2, carvedShadow());
    drawText(panel, 625 - textWidth(name, 2) / 2, 98, name, 2, p.shade(Ramp::Gold, 9));

    // The bay the buttons sit in, with what each does written over it.
    panel.fillRect(699, 23, 308, 128, p.shade(Ramp::Grey, 1));
    bevel(panel, 697, 21, 312, 132, 2, false);
    const struct {
        int centre;
        const char* text;
    } captions[] = {{763, "Direction"}, {853, "Speed"}, {943, "Who"}};
    for (const auto& caption : captions) {
        carve(panel, caption.centre - textWidth(caption.text, 1) / 2, 9, caption.text, 1);
    }
    return panel;
}

} // namespace datagen
