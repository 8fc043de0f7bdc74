// The game's icon, painted from shapes measured on a 256-unit square so that every size is
// drawn afresh rather than shrunk: a rounded badge of meadow in a wooden rim, the target's
// rings in its lower right, and the grey funnel whirling up dust in front.
#include "datagen/icon.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "datagen/pixel_noise.h"
#include "formats/png_writer.h"

namespace fs = std::filesystem;

namespace datagen {

namespace {

// Inside a square of side 2 * half with corners rounded by radius, centred on (c, c).
bool insideRounded(double x, double y, double c, double half, double radius) {
    const double dx = std::max(std::abs(x - c) - (half - radius), 0.0);
    const double dy = std::max(std::abs(y - c) - (half - radius), 0.0);
    return dx * dx + dy * dy <= radius * radius;
}

} // namespace

Canvas paintGameIcon(int size) {
    const GamePalette& p = palette();
    const double u = size / 256.0; // one unit of the 256-unit design
    const double c = size / 2.0;
    Canvas icon(size, size);
    // The rim, then the meadow inside it, lighter towards the top.
    icon.paint([&](double x, double y) { return insideRounded(x, y, c, 124 * u, 44 * u); },
               [&](int x, int y) { return p.dithered(Ramp::Wood, 3.5 + 2.0 * y / size, x, y); });
    icon.paint([&](double x, double y) { return insideRounded(x, y, c, 110 * u, 34 * u); },
               [&](int x, int y) {
                   const double level = 9.0 - 5.0 * y / size + random01(x, y, 300) - 0.5;
                   return p.dithered(Ramp::Grass, level, x, y);
               });
    // The target: red and white rings round a golden eye.
    const double tx = 186 * u;
    const double ty = 186 * u;
    const double ring = std::max(9.0 * u, 1.6);
    for (int r = 4; r >= 0; --r) {
        const Colour colour = r == 0       ? p.shade(Ramp::Gold, 8)
                              : r % 2 == 1 ? p.shade(Ramp::Red, 6)
                                           : White;
        icon.disc(tx, ty, ring * (r + 1), colour);
    }
    // The funnel, widest at the top, its bands shaded from its left edge.
    const double top = 34 * u;
    const double foot = 196 * u;
    const auto halfWidth = [&](double y) {
        return 5 * u + 62 * u * std::pow(std::max(0.0, (foot - y) / (foot - top)), 1.4);
    };
    const auto centre = [&](double y) { return 112 * u + 10 * u * std::sin(y / (24 * u)); };
    icon.paint(
        [&](double x, double y) {
            return y >= top && y <= foot && std::abs(x - centre(y)) <= halfWidth(y);
        },
        [&](int x, int y) {
            const double across = (x + 0.5 - centre(y + 0.5)) / halfWidth(y + 0.5);
            const double band = std::sin(across * 2.4 + y / (5.0 * u));
            return p.dithered(Ramp::Grey, 11.0 - across * 3.0 + band * 1.6, x, y);
        });
    icon.paint(
        [&](double x, double y) {
            const double nx = (x - 112 * u) / (46 * u);
            const double ny = (y - 200 * u) / (16 * u);
            return nx * nx + ny * ny <= 1.0;
        },
        [&](int x, int y) { return p.dithered(Ramp::Earth, 8.0 + random01(x, y, 301), x, y); });
    return icon;
}

std::vector<std::uint8_t> iconRgba(const Canvas& icon) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(icon.pixels().size() * 4);
    for (const Colour colour : icon.pixels()) {
        const Rgb& rgb = palette().colours()[colour];
        rgba.insert(rgba.end(), {rgb.red, rgb.green, rgb.blue,
                                 static_cast<std::uint8_t>(colour == Key ? 0 : 255)});
    }
    return rgba;
}

namespace {

// Paints the icon at the size into the file, making its folder; false with a message.
bool writeIconPicture(const fs::path& file, int size, std::string& error) {
    std::error_code failure;
    fs::create_directories(file.parent_path(), failure);
    if (failure || !writePng(file.string(), size, size, iconRgba(paintGameIcon(size)), 4)) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

} // namespace

bool writeDesktopIcons(const std::string& folder, std::string& error) {
    for (const int size : DesktopIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        if (!writeIconPicture(fs::path(folder) / "hicolor" / name / "apps" / "kestravan.png", size,
                              error)) {
            return false;
        }
    }
    return true;
}

bool writeWebIcons(const std::string& folder, std::string& error) {
    for (const int size : WebIconSizes) {
        const std::string name = "icon-" + std::to_string(size) + ".png";
        if (!writeIconPicture(fs::path(folder) / name, size, error)) {
            return false;
        }
    }
    return true;
}

} // namespace datagen
