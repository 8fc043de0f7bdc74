// The landscape: an evening sky, mesas on the horizon, the prairie rolling toward the viewer
// with a farm and a camp on it, and the whirlwind, debris and figures flying round it.
#include "datagen/landscape.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "datagen/art.h"
#include "datagen/pixel_noise.h"

namespace datagen {

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
constexpr int Horizon = 470;

double mesaTop(int x) {
    // Flat-topped mesas with steep sides, and low hills between them.
    const double hills = 18.0 * valueNoise(x, 0, 90, 0, 201) + 8.0 * valueNoise(x, 0, 23, 0, 202);
    double top = Horizon - hills;
    const struct {
        int left, right, height;
    } mesas[] = {{60, 210, 92}, {250, 300, 60}, {610, 790, 120}, {830, 880, 70}, {930, 1010, 48}};
    for (const auto& mesa : mesas) {
        const int slope = 14;
        if (x >= mesa.left - slope && x <= mesa.right + slope) {
            const double edge = std::min(x - (mesa.left - slope), (mesa.right + slope) - x) /
                                static_cast<double>(slope);
            top = std::min(top, Horizon - mesa.height * std::min(1.0, edge) -
                                    4.0 * valueNoise(x, 1, 7, 0, 203));
        }
    }
    return top;
}

void paintSky(Canvas& picture, bool storm) {
    const GamePalette& p = palette();
    picture.recolour([&](int x, int y, Colour) {
        const double t = static_cast<double>(y) / Horizon;
        double level = 1.0 + t * 11.5;
        // Clouds in streaks, darker toward the storm.
        const double cloud = fractalNoise(x * 0.35, y * 1.6, 64, 0, 3, 210);
        if (cloud > 0.58) {
            level += (cloud - 0.58) * 10.0;
        }
        if (storm) {
            // The storm cloud the whirlwind hangs from: billows thinning out from its heart,
            // their edges frayed into the sky.
            const double heart = 1.0 - std::hypot(x - 690.0, (y + 40.0) * 2.6) / 520.0;
            const double billow = fractalNoise(x, y * 1.4, 64, 0, 4, 211);
            const double thickness = heart + (billow - 0.5) * 0.5;
            if (thickness > 0.22 ||
                (thickness > 0.14 && random01(x, y, 212) < (thickness - 0.14) / 0.08)) {
                const double light = 2.2 + (billow - 0.4) * 6.0 + y / 90.0 - thickness * 2.0;
                return p.dithered(Ramp::Grey, light, x, y);
            }
        }
        return p.dithered(Ramp::Sunset, level, x, y);
    });
    // The sun, sitting on the horizon.
    picture.paint(
        [](double x, double y) { return std::hypot(x - 430.0, y - Horizon + 6.0) < 46.0; },
        [&](int x, int y) {
            return p.dithered(Ramp::Gold, 11.0 - std::hypot(x - 430.0, y - Horizon + 6.0) / 30.0, x,
                              y);
        });
}

void paintLand(Canvas& picture) {
    const GamePalette& p = palette();
    for (int x = 0; x < Width; ++x) {
        const int top = static_cast<int>(mesaTop(x));
        for (int y = top; y < Height; ++y) {
            if (y < Horizon) { // red rock, banded, lit from the sun on the left
                const double band = std::sin(y * 0.5 + valueNoise(x, y, 11, 0, 204) * 3.0);
                picture.set(x, y,
                            p.dithered(Ramp::Roof, 3.4 + band * 0.9 + (y - top) * 0.01, x, y));
                continue;
            }
            // The prairie: darker and larger patches toward the viewer.
            const double depth = (y - Horizon) / static_cast<double>(Height - Horizon);
            const double patch = fractalNoise(x / (1.0 + depth * 3.0), y * 2.0, 48, 0, 3, 205);
            double level = 9.0 + depth * 5.0 + (patch - 0.5) * 4.0;
            if (depth < 0.08) {
                level -= (0.08 - depth) * 40.0; // haze at the horizon
            }
            picture.set(x, y,
                        p.dithered(patch > 0.66 ? Ramp::Olive : Ramp::Grass,
                                   patch > 0.66 ? level * 0.4 + 1.0 : level, x, y));
        }
    }
    // A river winding toward the viewer.
    for (int y = Horizon + 4; y < Height; ++y) {
        const double depth = (y - Horizon) / static_cast<double>(Height - Horizon);
        const double centre = 180.0 + 120.0 * std::sin(depth * 5.0) + depth * 90.0;
        const double half = 3.0 + depth * 42.0;
        for (int x = static_cast<int>(centre - half); x <= static_cast<int>(centre + half); ++x) {
            const bool edge =
                x < centre - half + 2 + depth * 3 || x > centre + half - 2 - depth * 3;
            picture.set(x, y,
                        edge ? p.shade(Ramp::Sand, 6)
                             : p.dithered(Ramp::Water,
                                          12.0 + depth * 3.0 + std::sin(x * 0.3 + y * 0.9), x, y));
        }
    }
}

// A sprite scaled up and placed with its bottom middle at (x, y).
void stand(Canvas& picture, const Canvas& sprite, int scale, int x, int y) {
    const Canvas big = sprite.scaled(scale);
    picture.blit(big, x - big.width() / 2, y - big.height());
}

// The whirlwind's middle line and half width at height y of the picture.
constexpr double TwisterX = 700.0;
constexpr double TwisterFoot = 640.0;
double twisterCentre(double y) {
    return TwisterX + 60.0 * std::sin((TwisterFoot - y) / 180.0) - (TwisterFoot - y) * 0.12;
}
double twisterHalfWidth(double y) {
    return 10.0 + 150.0 * std::pow(std::max(0.0, (TwisterFoot - y) / TwisterFoot), 1.8);
}

// A round speck of debris, painted only over its own few pixels.
void speck(Canvas& picture, double cx, double cy, double radius, Colour colour) {
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y) {
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1;
             ++x) {
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) {
                picture.set(x, y, colour);
            }
        }
    }
}

// A splinter or a straw: specks strung from one end to the other.
void streak(Canvas& picture, double x0, double y0, double x1, double y1, double width,
            Colour colour) {
    const int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 2.0) + 1;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        speck(picture, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2.0, colour);
    }
}

// What the wind carries round: clods, planks, straw and grit strung along three spiral arms
// that climb the funnel. Pieces on the far side are hidden behind it.
void paintDebris(Canvas& picture, bool front) {
    const GamePalette& p = palette();
    Random random(4242);
    for (int i = 0; i < 340; ++i) {
        const double rise = std::pow(random.unit(), 0.8);
        const double y = TwisterFoot - 30.0 - rise * (TwisterFoot - 90.0);
        const int arm = random.below(3);
        const double turn = y * 0.035 + arm * 2.0 * std::numbers::pi / 3.0 + random.unit() * 0.7;
        const double reach = twisterHalfWidth(y) * (1.05 + 0.4 * random.unit()) + 6.0;
        const int kind = random.below(10);
        const double size = 1.0 + random.unit() * (1.0 + rise * 2.0);
        if ((std::sin(turn) > 0.0) != front) {
            continue;
        }
        const double x = twisterCentre(y) + reach * std::cos(turn);
        const double py = y + reach * 0.12 * std::sin(turn);
        // Each piece is drawn along its path: across the funnel and a little upward.
        const double dx = -std::sin(turn);
        const double dy = -0.25;
        const double shade = front ? 1.0 : -1.5;
        if (kind < 3) { // a plank
            streak(picture, x, py, x + dx * size * 4.0, py + dy * size * 4.0, 1.6,
                   p.shade(Ramp::Wood, static_cast<int>(7 + shade + random.below(4))));
        } else if (kind < 5) { // straw
            streak(picture, x, py, x + dx * size * 3.5, py + dy * size * 3.0 + 1.0, 1.0,
                   p.shade(Ramp::Sand, static_cast<int>(7 + shade + random.below(3))));
        } else if (kind < 8) { // a clod of earth
            speck(picture, x, py, 0.6 + size * 0.5,
                  p.shade(Ramp::Earth, static_cast<int>(4 + shade + random.below(4))));
        } else { // grit
            picture.set(static_cast<int>(x), static_cast<int>(py),
                        p.shade(Ramp::Stone, static_cast<int>(3 + shade + random.below(3))));
        }
    }
}

// The funnel as a turning column: lit from the sun on the left and dark on its far side,
// striped by bands that wrap round it, fibrous along the spiral, frayed at its edges, and
// brown with dust toward the ground.
void paintFunnel(Canvas& picture) {
    const GamePalette& p = palette();
    const auto across = [](double x, double y) {
        return (x - twisterCentre(y)) / twisterHalfWidth(y);
    };
    picture.paint(
        [&](double x, double y) {
            if (y >= TwisterFoot || std::abs(across(x, y)) > 1.2) {
                return false;
            }
            const double fray = (fractalNoise(x, y, 6, 0, 2, 224) - 0.5) * 0.35;
            return std::abs(across(x, y)) < 0.95 + fray;
        },
        [&](int x, int y) {
            const double a = std::clamp(across(x + 0.5, y + 0.5), -1.0, 1.0);
            const double depth = std::sqrt(1.0 - a * a);
            const double around = std::asin(a);
            const double light = 0.55 * depth - 0.45 * a;
            const double band = std::sin(around * 3.0 + y * 0.055) * depth;
            const double fibre = fractalNoise(around * 70.0 + y * 0.8, y * 0.08, 8, 0, 3, 225);
            double level = 2.4 + light * 5.0 + band * 1.1 + (fibre - 0.5) * 2.6;
            level -= (TwisterFoot - y) / TwisterFoot * 0.8; // darker under the cloud
            const double dust = std::clamp((y - (TwisterFoot - 260.0)) / 260.0, 0.0, 0.85);
            if (bayer(x, y) < dust) {
                return p.dithered(Ramp::Earth, 3.0 + level * 1.2, x, y);
            }
            return p.dithered(Ramp::Stone, level, x, y);
        });
}

// The dust at the whirlwind's foot: billows lit from above on the left, in front of a thin
// haze of dust blown along the ground.
void paintDustCloud(Canvas& picture) {
    const GamePalette& p = palette();
    picture.paint(
        [&](double x, double y) {
            const double nx = (x - TwisterX) / 190.0;
            const double ny = (y - TwisterFoot - 6.0) / 26.0;
            const double haze = 1.0 - (nx * nx + ny * ny);
            return haze > 0.0 && random01(static_cast<int>(x), static_cast<int>(y), 226) < haze;
        },
        [&](int x, int y) { return p.dithered(Ramp::Earth, 8.0 + random01(x, y, 227), x, y); });
    Random random(4343);
    struct Billow {
        double x, y, radius;
    };
    std::vector<Billow> billows;
    for (int i = 0; i < 22; ++i) {
        const double spread = random.unit() * 2.0 - 1.0;
        const double radius = 14.0 + (1.0 - std::abs(spread)) * 22.0 + random.unit() * 8.0;
        billows.push_back({TwisterX + spread * 150.0,
                           TwisterFoot - 4.0 - random.unit() * 26.0 + std::abs(spread) * 14.0,
                           radius});
    }
    // Far billows first, so the near ones overlap them.
    std::sort(billows.begin(), billows.end(),
              [](const Billow& a, const Billow& b) { return a.y < b.y; });
    for (const Billow& billow : billows) {
        picture.paint(
            [&](double x, double y) {
                const double reachOut = billow.radius * 1.25;
                if (std::abs(x - billow.x) > reachOut || std::abs(y - billow.y) * 1.3 > reachOut) {
                    return false;
                }
                const double distance = std::hypot(x - billow.x, (y - billow.y) * 1.3);
                // The outer part thins out into loose dust.
                const double edge = (fractalNoise(x, y, 5, 0, 2, 228) - 0.5) * 0.5;
                const double reach = distance / (billow.radius * (1.0 + edge));
                return reach < 0.8 ||
                       (reach < 1.0 && random01(static_cast<int>(x), static_cast<int>(y), 230) <
                                           (1.0 - reach) * 5.0);
            },
            [&](int x, int y) {
                const double nx = (x - billow.x) / billow.radius;
                const double ny = (y - billow.y) * 1.3 / billow.radius;
                const double light = -0.6 * nx - 0.8 * ny;
                const double puff = fractalNoise(x, y, 10, 0, 3, 229);
                return p.dithered(Ramp::Earth, 10.0 + light * 2.0 + (puff - 0.5) * 2.5, x, y);
            });
    }
}

void paintTwister(Canvas& picture) {
    paintDebris(picture, false);
    paintFunnel(picture);
    paintDustCloud(picture);
    paintDebris(picture, true);
}

} // namespace

Canvas paintLandscape(bool storm) {
    Canvas picture(Width, Height);
    paintSky(picture, storm);
    paintLand(picture);
    // The camp by the river and a farm with its pen.
    stand(picture, paintStructure(Structure::Tepee), 3, 90, 600);
    stand(picture, paintStructure(Structure::Tepee), 2, 160, 560);
    stand(picture, paintFigure(ActorKind::Indian), 3, 60, 640);
    stand(picture, paintStructure(Structure::FarmHouse), 4, 470, 620);
    for (int i = 0; i < 4; ++i) {
        stand(picture, paintStructure(Structure::Fence_TBSide), 2, 360 + i * 64, 690);
    }
    stand(picture, paintFigure(ActorKind::Cow), 3, 410, 740);
    stand(picture, paintFigure(ActorKind::Farmer), 3, 560, 650);
    if (storm) {
        paintTwister(picture);
        stand(picture, paintFlying(ActorKind::Cow), 3, 830, 330);
        stand(picture, paintFlying(ActorKind::CowBoy), 3, 580, 260);
        stand(picture, paintFlying(ActorKind::Farmer), 2, 900, 470);
        stand(picture, paintStructure(Structure::FarmHouseDown), 2, 760, 410);
        stand(picture, paintFlying(ActorKind::Indian), 2, 620, 420);
    } else {
        stand(picture, paintFigure(ActorKind::CowBoy), 3, 640, 700);
    }
    return picture;
}

} // namespace datagen
