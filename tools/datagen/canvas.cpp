// Drawing primitives on palette-index pictures.
#include "datagen/canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/emulation/pen_line.h"

namespace datagen {

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Canvas::set(int x, int y, Colour colour) {
    if (inside(x, y)) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
    }
}

void Canvas::fill(Colour colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Canvas::fillRect(int x, int y, int width, int height, Colour colour) {
    for (int row = std::max(y, 0); row < std::min(y + height, height_); ++row) {
        for (int column = std::max(x, 0); column < std::min(x + width, width_); ++column) {
            pixels_[static_cast<std::size_t>(row) * width_ + column] = colour;
        }
    }
}

void Canvas::frameRect(int x, int y, int width, int height, Colour colour) {
    fillRect(x, y, width, 1, colour);
    fillRect(x, y + height - 1, width, 1, colour);
    fillRect(x, y, 1, height, colour);
    fillRect(x + width - 1, y, 1, height, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, Colour colour) {
    penLine(x0, y0, x1, y1, 1, colour);
}

void Canvas::penLine(int x0, int y0, int x1, int y1, int penWidth, Colour colour) {
    platform::penLine(x0, y0, x1, y1, penWidth, [&](int x, int y) { set(x, y, colour); });
}

void Canvas::thickLine(double x0, double y0, double x1, double y1, double width, Colour colour) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = std::max(dx * dx + dy * dy, 1e-9);
    const double half = width / 2.0;
    paint(
        [&](double px, double py) {
            const double t = std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0);
            const double ex = px - (x0 + t * dx);
            const double ey = py - (y0 + t * dy);
            return ex * ex + ey * ey <= half * half;
        },
        [colour](int, int) { return colour; });
}

void Canvas::disc(double cx, double cy, double radius, Colour colour) {
    ellipse(cx, cy, radius, radius, colour);
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, Colour colour) {
    paint(
        [&](double px, double py) {
            const double nx = (px - cx) / rx;
            const double ny = (py - cy) / ry;
            return nx * nx + ny * ny <= 1.0;
        },
        [colour](int, int) { return colour; });
}

void Canvas::polygon(const std::vector<std::pair<double, double>>& points, Colour colour) {
    paint(
        [&](double px, double py) {
            bool in = false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const auto [xi, yi] = points[i];
                const auto [xj, yj] = points[j];
                if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) {
                    in = !in;
                }
            }
            return in;
        },
        [colour](int, int) { return colour; });
}

void Canvas::paint(const std::function<bool(double, double)>& test,
                   const std::function<Colour(int, int)>& colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (test(x + 0.5, y + 0.5)) {
                pixels_[static_cast<std::size_t>(y) * width_ + x] = colour(x, y);
            }
        }
    }
}

void Canvas::recolour(const std::function<Colour(int, int, Colour)>& colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Colour& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
            pixel = colour(x, y, pixel);
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y, bool keyed) {
    for (int row = 0; row < source.height(); ++row) {
        for (int column = 0; column < source.width(); ++column) {
            const Colour colour = source.at(column, row);
            if (!keyed || colour != Key) {
                set(x + column, y + row, colour);
            }
        }
    }
}

void Canvas::outline(Colour colour) {
    const Canvas before = *this;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (before.at(x, y) != Key) {
                continue;
            }
            if (before.get(x - 1, y) != Key || before.get(x + 1, y) != Key ||
                before.get(x, y - 1) != Key || before.get(x, y + 1) != Key) {
                set(x, y, colour);
            }
        }
    }
}

Canvas Canvas::rotatedClockwise() const {
    Canvas turned(height_, width_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            turned.set(height_ - 1 - y, x, at(x, y));
        }
    }
    return turned;
}

Canvas Canvas::mirrored() const {
    Canvas result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.set(width_ - 1 - x, y, at(x, y));
        }
    }
    return result;
}

Canvas Canvas::flipped() const {
    Canvas result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.set(x, height_ - 1 - y, at(x, y));
        }
    }
    return result;
}

Canvas Canvas::crop(int x, int y, int width, int height) const {
    Canvas part(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            part.set(column, row, get(x + column, y + row));
        }
    }
    return part;
}

Canvas Canvas::scaled(int factor) const {
    Canvas big(width_ * factor, height_ * factor);
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            big.set(x, y, at(x / factor, y / factor));
        }
    }
    return big;
}

Canvas canvasFromRows(const std::vector<std::string>& rows, const std::map<char, Colour>& legend) {
    Canvas canvas(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const auto found = legend.find(rows[y][x]);
            if (found != legend.end()) {
                canvas.set(static_cast<int>(x), static_cast<int>(y), found->second);
            }
        }
    }
    return canvas;
}

Canvas tileSurface(const Canvas& tile) {
    Canvas surface(128, 32);
    for (int copy = 0; copy < 4; ++copy) {
        surface.blit(tile, 32 * copy, 0, false);
    }
    return surface;
}

} // namespace datagen
