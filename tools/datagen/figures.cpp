// The people and the cows that walk the map, 22 x 22 pixels each, seen from the front and a
// little from above; the Indian's canoe; and each kind flying through the air and fallen.
#include <array>
#include <cmath>
#include <vector>

#include "datagen/art.h"

namespace datagen {

namespace {

const std::vector<std::string> IndianRows = {
    "......................", "............R.........", "............w.........",
    "............w.........", "........hhhhwh........", ".......hhhhhhhh.......",
    ".......hrrrrrrh.......", ".......hsssssSh.......", ".......hsesseSh.......",
    ".......hhsssShh.......", "......bbhbSSbhbb......", ".....bbbhcyychbbb.....",
    ".....sbbbbbbbbbbs.....", ".....sbbbbbbbbbBs.....", ".....SbrcrcrcrcbS.....",
    "......bBbBbBbBbB......", "........bB..bB........", "........bB..bB........",
    "........bB..bB........", ".......nnn..nnn.......", "......................",
    "......................",
};

const std::vector<std::string> FarmerRows = {
    "......................", "......................", "........tttttt........",
    "........tRRRRt........", ".....tttttttttttt.....", "......TTTTTTTTTT......",
    ".......nsssssSn.......", ".......nsesseSn.......", "........sssssS........",
    ".........sSSs.........", "......rrUrRRrUrr......", ".....rrrUuuuuUrrr.....",
    ".....srrUuyyuUrrs.....", ".....sRrUuuuuUrRs.....", ".....SuuuuuuuuuuS.....",
    "......uuuuuuuuuu......", "........uU..uU........", "........uU..uU........",
    "........uU..uU........", ".......NNN..NNN.......", "......................",
    "......................",
};

const std::vector<std::string> CowBoyRows = {
    "......................", "........nnnnnn........", "........nNNNNn........",
    "....nnnnnnnnnnnnnn....", ".....NNNNNNNNNNNN.....", ".......hsssssSh.......",
    ".......hsesseSh.......", "........ssssss........", ".........rrrr.........",
    "......nnwrrrrwnn......", ".....wnnwwrrwwnnw.....", ".....wnnwwwwwwnnw.....",
    ".....wNnwwwwwwnNw.....", ".....skkkkyykkkks.....", "......Nuuuuuuuuu......",
    "......NuuuuuuuUu......", "........uU..uU........", "........uU..uU........",
    "........uU..uU........", ".......NNN..NNN.......", "......................",
    "......................",
};

Colour outlineColour() {
    return palette().shade(Ramp::Grey, 1);
}

std::map<char, Colour> legendOf(ActorKind kind) {
    const GamePalette& p = palette();
    std::map<char, Colour> legend = {
        {'e', p.shade(Ramp::Grey, 1)},  {'w', p.shade(Ramp::Grey, 14)},
        {'r', p.shade(Ramp::Red, 6)},   {'R', p.shade(Ramp::Red, 4)},
        {'y', p.shade(Ramp::Gold, 9)},  {'c', p.shade(Ramp::Cloth, 7)},
        {'k', p.shade(Ramp::Earth, 2)}, {'h', p.shade(Ramp::Grey, 2)},
    };
    switch (kind) {
    case ActorKind::Indian:
        legend['s'] = p.shade(Ramp::Skin, 6);
        legend['S'] = p.shade(Ramp::Skin, 4);
        legend['b'] = p.shade(Ramp::Sand, 7);
        legend['B'] = p.shade(Ramp::Sand, 4);
        legend['n'] = p.shade(Ramp::Wood, 6);
        legend['R'] = p.shade(Ramp::Red, 7);
        break;
    case ActorKind::Farmer:
        legend['s'] = p.shade(Ramp::Skin, 10);
        legend['S'] = p.shade(Ramp::Skin, 8);
        legend['t'] = p.shade(Ramp::Gold, 9);
        legend['T'] = p.shade(Ramp::Gold, 6);
        legend['n'] = p.shade(Ramp::Wood, 7);
        legend['N'] = p.shade(Ramp::Wood, 3);
        legend['u'] = p.shade(Ramp::Cloth, 5);
        legend['U'] = p.shade(Ramp::Cloth, 3);
        break;
    default:
        legend['s'] = p.shade(Ramp::Skin, 9);
        legend['S'] = p.shade(Ramp::Skin, 7);
        legend['h'] = p.shade(Ramp::Wood, 4);
        legend['n'] = p.shade(Ramp::Wood, 7);
        legend['N'] = p.shade(Ramp::Wood, 4);
        legend['w'] = p.shade(Ramp::Sand, 10);
        legend['u'] = p.shade(Ramp::Cloth, 4);
        legend['U'] = p.shade(Ramp::Cloth, 2);
        break;
    }
    return legend;
}

// A soft shadow under the feet, drawn only where nothing else is.
void addShadow(Canvas& figure, double cx, double cy, double rx, double ry) {
    const Colour shadow = palette().shade(Ramp::Foliage, 1);
    Canvas under(figure.width(), figure.height());
    under.ellipse(cx, cy, rx, ry, shadow);
    under.blit(figure, 0, 0);
    figure = under;
}

const std::vector<std::string>& rowsOf(ActorKind kind) {
    return kind == ActorKind::Indian   ? IndianRows
           : kind == ActorKind::Farmer ? FarmerRows
                                       : CowBoyRows;
}

Canvas paintPerson(ActorKind kind) {
    Canvas figure = canvasFromRows(rowsOf(kind), legendOf(kind));
    figure.outline(outlineColour());
    addShadow(figure, 11.0, 20.3, 5.5, 1.6);
    return figure;
}

// The same figure throwing its arms up in fright: the arms leave the sides of the body and
// reach up beside the head.
Canvas paintPanic(ActorKind kind) {
    std::vector<std::string> rows = rowsOf(kind);
    for (int row = 12; row <= 14; ++row) {
        rows[row][5] = '.';
        rows[row][16] = '.';
    }
    for (int row = 5; row <= 11; ++row) {
        rows[row][5] = row == 5 ? 'S' : 's';
        rows[row][16] = row == 5 ? 'S' : 's';
    }
    Canvas figure = canvasFromRows(rows, legendOf(kind));
    figure.outline(outlineColour());
    return figure;
}

// A black and white cow walking to the left, seen from the side and a little from above.
Canvas paintCowFigure() {
    const GamePalette& p = palette();
    Canvas cow(22, 22);
    const Colour white = p.shade(Ramp::Grey, 14);
    const Colour shade = p.shade(Ramp::Grey, 11);
    const Colour patch = p.shade(Ramp::Grey, 2);
    const Colour hoof = p.shade(Ramp::Grey, 4);
    for (int leg : {6, 9, 14, 17}) {
        cow.fillRect(leg, 13, 2, 5, leg == 9 || leg == 17 ? shade : white);
        cow.fillRect(leg, 18, 2, 1, hoof);
    }
    cow.thickLine(19.5, 8.5, 20.5, 14.0, 1.2, patch);
    cow.set(20, 15, patch);
    cow.set(21, 15, patch);
    cow.ellipse(12.5, 10.5, 7.8, 4.6, white);
    cow.paint(
        [](double x, double y) {
            return y > 12.4 &&
                   (x - 12.5) * (x - 12.5) / 61.0 + (y - 10.5) * (y - 10.5) / 21.2 <= 1.0;
        },
        [shade](int, int) { return shade; });
    cow.ellipse(14.5, 8.6, 3.2, 2.2, patch);
    cow.ellipse(9.0, 11.6, 1.8, 1.6, patch);
    cow.ellipse(18.0, 10.8, 1.4, 2.0, patch);
    cow.ellipse(14.0, 14.6, 1.6, 1.0, p.shade(Ramp::Rose, 3));
    cow.ellipse(4.6, 9.0, 3.0, 3.3, white);
    cow.ellipse(3.8, 11.6, 2.6, 1.8, p.shade(Ramp::Rose, 3));
    cow.set(3, 12, p.shade(Ramp::Rose, 0));
    cow.set(5, 12, p.shade(Ramp::Rose, 0));
    cow.set(4, 8, patch);
    cow.set(7, 7, patch);
    cow.set(8, 7, patch);
    const Colour horn = p.shade(Ramp::Sand, 10);
    cow.set(2, 5, horn);
    cow.set(3, 5, horn);
    cow.set(2, 4, horn);
    cow.set(6, 5, horn);
    cow.set(7, 4, horn);
    cow.outline(outlineColour());
    addShadow(cow, 12.0, 19.4, 8.0, 1.6);
    return cow;
}

// Little streaks behind a thrown figure.
void addStreaks(Canvas& figure) {
    const Colour streak = palette().shade(Ramp::Grey, 15);
    for (const auto& [x, y, length] :
         std::vector<std::array<int, 3>>{{2, 3, 3}, {4, 1, 4}, {15, 1, 4}, {18, 3, 3}}) {
        for (int i = 0; i < length; ++i) {
            if (figure.at(x, y + i) == Key) {
                figure.set(x, y + i, streak);
            }
        }
    }
}

// Dizzy stars over a fallen figure's head.
void addStars(Canvas& figure, int x, int y) {
    const GamePalette& p = palette();
    const Colour star = p.shade(Ramp::Gold, 10);
    for (const auto& [sx, sy] : std::vector<std::pair<int, int>>{{x, y}, {x + 5, y - 2}}) {
        figure.set(sx, sy, star);
        figure.set(sx - 1, sy, p.shade(Ramp::Gold, 7));
        figure.set(sx + 1, sy, p.shade(Ramp::Gold, 7));
        figure.set(sx, sy - 1, p.shade(Ramp::Gold, 7));
        figure.set(sx, sy + 1, p.shade(Ramp::Gold, 7));
    }
}

Canvas standing(ActorKind kind) {
    return kind == ActorKind::Cow ? paintCowFigure() : paintPerson(kind);
}

// The figure without its shadow, for pictures that turn it over.
Canvas withoutShadow(ActorKind kind) {
    Canvas figure = standing(kind);
    const Colour shadow = palette().shade(Ramp::Foliage, 1);
    figure.recolour([shadow](int, int, Colour c) { return c == shadow ? Key : c; });
    return figure;
}

} // namespace

Canvas paintFigure(ActorKind kind) {
    return standing(kind);
}

Canvas paintCanoe() {
    const GamePalette& p = palette();
    Canvas canoe(22, 22);
    auto hull = [](double x, double y, double grow) {
        const double t = (x - 11.0) / (10.6 + grow);
        return std::abs(y - 13.0) <= (3.8 + grow) * (1.0 - t * t);
    };
    // Birch bark outside, a dark gunwale, ribs across the light inside.
    canoe.paint([&](double x, double y) { return hull(x, y, 0.0); },
                [&](int x, int y) {
                    return (x * 3 + y) % 7 == 0 ? p.shade(Ramp::Sand, 8) : p.shade(Ramp::Sand, 11);
                });
    canoe.paint([&](double x, double y) { return hull(x, y, -1.0); },
                [&](int, int) { return p.shade(Ramp::Wood, 4); });
    canoe.paint(
        [&](double x, double y) { return hull(x, y, -2.0); },
        [&](int x, int) { return x % 3 == 0 ? p.shade(Ramp::Wood, 8) : p.shade(Ramp::Wood, 11); });
    // The paddle, blade in the water below the hull.
    canoe.thickLine(7.5, 8.5, 14.5, 18.5, 1.2, p.shade(Ramp::Wood, 7));
    canoe.ellipse(15.0, 19.2, 1.4, 1.9, p.shade(Ramp::Wood, 9));
    // The paddler seen from above: buckskin shoulders, arms on the paddle, black hair with a
    // red band, and a feather lying back.
    canoe.ellipse(11.0, 13.2, 3.4, 2.0, p.shade(Ramp::Sand, 6));
    canoe.set(9, 12, p.shade(Ramp::Skin, 6));
    canoe.set(12, 15, p.shade(Ramp::Skin, 6));
    canoe.disc(11.0, 12.6, 1.9, p.shade(Ramp::Grey, 2));
    canoe.set(10, 13, p.shade(Ramp::Red, 6));
    canoe.set(11, 13, p.shade(Ramp::Red, 6));
    canoe.set(12, 12, p.shade(Ramp::Red, 6));
    canoe.set(13, 11, p.shade(Ramp::Grey, 14));
    canoe.set(14, 10, p.shade(Ramp::Grey, 14));
    canoe.set(15, 9, p.shade(Ramp::Red, 7));
    canoe.outline(outlineColour());
    // Foam at the bow, the stern and the paddle.
    const Colour foam = p.shade(Ramp::Water, 20);
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{
             {0, 11}, {0, 15}, {21, 12}, {21, 14}, {13, 21}, {17, 21}}) {
        if (canoe.at(x, y) == Key) {
            canoe.set(x, y, foam);
        }
    }
    return canoe;
}

Canvas paintFlying(ActorKind kind) {
    // Thrown figures tumble head over heels.
    Canvas figure = kind == ActorKind::Cow ? withoutShadow(kind).rotatedClockwise()
                                           : paintPanic(kind).flipped();
    addStreaks(figure);
    return figure;
}

Canvas paintFallen(ActorKind kind) {
    // Landed figures lie flat with stars round their heads.
    Canvas lying = kind == ActorKind::Cow ? withoutShadow(kind).flipped()
                                          : withoutShadow(kind).rotatedClockwise().mirrored();
    if (kind == ActorKind::Cow) {
        lying = lying.crop(0, 1, 22, 22);
        addStars(lying, 4, 13);
    } else {
        addStars(lying, 4, 5);
    }
    return lying;
}

} // namespace datagen
