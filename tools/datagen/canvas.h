// A picture in palette indices, and the drawing primitives the game's art is made with.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "datagen/palette.h"

namespace datagen {

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Colour fill = Key);

    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Colour at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    // Key outside the picture.
    Colour get(int x, int y) const { return inside(x, y) ? at(x, y) : Key; }
    const std::vector<Colour>& pixels() const { return pixels_; }

    // Every drawing call clips to the picture.
    void set(int x, int y, Colour colour);
    void fill(Colour colour);
    void fillRect(int x, int y, int width, int height, Colour colour);
    void frameRect(int x, int y, int width, int height, Colour colour);
    void line(int x0, int y0, int x1, int y1, Colour colour);
    // The game's own pen line, as the panel's needle is drawn.
    void penLine(int x0, int y0, int x1, int y1, int penWidth, Colour colour);
    void thickLine(double x0, double y0, double x1, double y1, double width, Colour colour);
    void disc(double cx, double cy, double radius, Colour colour);
    void ellipse(double cx, double cy, double rx, double ry, Colour colour);
    // A filled polygon, by pixel centres.
    void polygon(const std::vector<std::pair<double, double>>& points, Colour colour);
    // Paints every pixel whose centre (x + 0.5, y + 0.5) passes the test.
    void paint(const std::function<bool(double, double)>& inside,
               const std::function<Colour(int, int)>& colour);
    // Recolours every pixel: the function gets the position and the current colour.
    void recolour(const std::function<Colour(int, int, Colour)>& colour);

    // Copies another picture with its top-left corner at (x, y); keyed copies skip its key.
    void blit(const Canvas& source, int x, int y, bool keyed = true);
    // Draws colour on every key pixel that touches a drawn pixel (four neighbours).
    void outline(Colour colour);
    // The picture turned a quarter clockwise, mirrored left to right, or upside down.
    Canvas rotatedClockwise() const;
    Canvas mirrored() const;
    Canvas flipped() const;
    // A part of the picture.
    Canvas crop(int x, int y, int width, int height) const;
    // Each pixel repeated factor times in both directions.
    Canvas scaled(int factor) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// A hand-drawn picture: one string a row, each character looked up in the legend; characters
// the legend lacks (such as '.') stay transparent.
Canvas canvasFromRows(const std::vector<std::string>& rows, const std::map<char, Colour>& legend);

// Lays a 32 x 32 tile out four times across a 128 x 32 tile surface; the game shows only the
// first.
Canvas tileSurface(const Canvas& tile);

} // namespace datagen
