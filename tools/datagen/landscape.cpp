// The landscape: an evening sky, mesas on the horizon, the prairie rolling toward the viewer
// with a farm and a camp on it, and the whirlwind with figures flying round it.
#include "datagen/landscape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

void paintTwister(Canvas& picture) {
    const GamePalette& p = palette();
    const double baseX = 700.0;
    const double baseY = 640.0;
    auto centre = [&](double y) {
        return baseX + 60.0 * std::sin((baseY - y) / 180.0) - (baseY - y) * 0.12;
    };
    auto halfWidth = [&](double y) {
        return 10.0 + 150.0 * std::pow(std::max(0.0, (baseY - y) / baseY), 1.8);
    };
    picture.paint(
        [&](double x, double y) { return y < baseY && std::abs(x - centre(y)) < halfWidth(y); },
        [&](int x, int y) {
            const double across = (x - centre(y)) / halfWidth(y);
            const double band = std::sin(across * 2.2 + y * 0.09);
            double level = 9.0 - across * 3.5 + band * 2.0 - y / 300.0;
            if (std::abs(across) > 0.9) {
                level -= 2.5;
            }
            return p.dithered(Ramp::Grey, level + (random01(x, y, 220) - 0.5), x, y);
        });
    // The dust cloud at its foot.
    picture.paint(
        [&](double x, double y) {
            const double nx = (x - baseX) / 130.0;
            const double ny = (y - baseY) / 34.0;
            return nx * nx + ny * ny < 1.0 - fractalNoise(x, y, 16, 0, 2, 221) * 0.7;
        },
        [&](int x, int y) {
            const double puff = fractalNoise(x, y, 12, 0, 3, 223);
            return p.dithered(Ramp::Earth, 9.5 + (puff - 0.5) * 6.0 - (y - baseY) / 14.0, x, y);
        });
}

} // namespace

Canvas paintLandscape(bool storm) {
    Canvas picture(Width, Height);
    paintSky(picture, storm);
    paintLand(picture);
    // The camp by the river and a farm with its pen.
    stand(picture, paintStructure(Tepee), 3, 90, 600);
    stand(picture, paintStructure(Tepee), 2, 160, 560);
    stand(picture, paintFigure(Indian), 3, 60, 640);
    stand(picture, paintStructure(FarmHouse), 4, 470, 620);
    for (int i = 0; i < 4; ++i) {
        stand(picture, paintStructure(Fence_TBSide), 2, 360 + i * 64, 690);
    }
    stand(picture, paintFigure(Cow), 3, 410, 740);
    stand(picture, paintFigure(Farmer), 3, 560, 650);
    if (storm) {
        paintTwister(picture);
        stand(picture, paintFlying(Cow), 3, 830, 330);
        stand(picture, paintFlying(CowBoy), 3, 580, 260);
        stand(picture, paintFlying(Farmer), 2, 900, 470);
        stand(picture, paintStructure(FarmHouseDown), 2, 760, 410);
        stand(picture, paintFlying(Indian), 2, 620, 420);
    } else {
        stand(picture, paintFigure(CowBoy), 3, 640, 700);
    }
    return picture;
}

} // namespace datagen
