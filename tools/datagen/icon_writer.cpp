// The Windows icon: a 32 x 32 image of 16 colours and 32-bit images of other sizes, each with
// the transparency mask that icons carry under their colour bits (but a PNG, which needs none).
#include "datagen/icon_writer.h"

#include <functional>

#include "datagen/icon.h"
#include "datagen/little_endian.h"
#include "formats/png_writer.h"
#include "platform/palette.h"

namespace datagen {

namespace {

constexpr int Side = 32;
constexpr std::uint32_t ColourRowBytes = Side / 2; // two pixels a byte
constexpr std::uint32_t MaskRowBytes = 4;          // one bit a pixel, rows of four bytes

std::uint8_t nearestIconColour(Rgb colour) {
    return static_cast<std::uint8_t>(platform::nearestColour(IconColours.data(), 16, colour));
}

} // namespace

const std::array<Rgb, 16> IconColours = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

namespace {

struct IconImage {
    int side;
    int colours; // 16, or 0 for true colour
    int bits;
    std::vector<std::uint8_t> bytes;
};

// The image header every icon image but a PNG starts with: its height counts the colour bits
// and the mask together.
void putImageHeader(std::vector<std::uint8_t>& out, int side, int bits, std::uint32_t bodyBytes,
                    std::uint32_t colours) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(side));
    put32(out, static_cast<std::uint32_t>(2 * side));
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bits));
    put32(out, 0);
    put32(out, bodyBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, colours);
    put32(out, 0);
}

// The mask under the colour bits, bottom row first: a set bit lets the desktop through.
void putMask(std::vector<std::uint8_t>& out, int side, const std::function<bool(int, int)>& clear) {
    const int rowBytes = (side + 31) / 32 * 4;
    for (int y = side - 1; y >= 0; --y) {
        for (int byte = 0; byte < rowBytes; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = byte * 8 + bit;
                if (x < side && clear(x, y)) {
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
            }
            out.push_back(bits);
        }
    }
}

IconImage sixteenColourImage(const Canvas& picture) {
    IconImage image{Side, 16, 4, {}};
    std::vector<std::uint8_t>& out = image.bytes;
    putImageHeader(out, Side, 4, (ColourRowBytes + MaskRowBytes) * Side, 16);
    for (const Rgb& colour : IconColours) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int y = Side - 1; y >= 0; --y) { // colour bits, bottom row first
        for (int x = 0; x < Side; x += 2) {
            const auto nibble = [&](int at) -> std::uint8_t {
                const Colour colour = picture.get(at, y);
                return colour == Key ? 0 : nearestIconColour(palette().colours()[colour]);
            };
            out.push_back(static_cast<std::uint8_t>(nibble(x) << 4 | nibble(x + 1)));
        }
    }
    putMask(out, Side, [&](int x, int y) { return picture.get(x, y) == Key; });
    return image;
}

IconImage trueColourImage(const Canvas& picture) {
    const int side = picture.width();
    const std::vector<std::uint8_t> rgba = iconRgba(picture);
    if (side >= 256) {
        return {side, 0, 32, encodePng(side, side, rgba, 4)};
    }
    IconImage image{side, 0, 32, {}};
    std::vector<std::uint8_t>& out = image.bytes;
    const auto at = [&](int x, int y) { return (static_cast<std::size_t>(y) * side + x) * 4; };
    const std::uint32_t maskBytes = static_cast<std::uint32_t>((side + 31) / 32 * 4 * side);
    putImageHeader(out, side, 32, static_cast<std::uint32_t>(side * side * 4) + maskBytes, 0);
    for (int y = side - 1; y >= 0; --y) { // blue, green, red, alpha; bottom row first
        for (int x = 0; x < side; ++x) {
            out.push_back(rgba[at(x, y) + 2]);
            out.push_back(rgba[at(x, y) + 1]);
            out.push_back(rgba[at(x, y)]);
            out.push_back(rgba[at(x, y) + 3]);
        }
    }
    putMask(out, side, [&](int x, int y) { return rgba[at(x, y) + 3] == 0; });
    return image;
}

} // namespace

std::vector<std::uint8_t> encodeIcon(const Canvas& picture, const std::vector<Canvas>& trueColour) {
    std::vector<IconImage> images{sixteenColourImage(picture)};
    for (const Canvas& canvas : trueColour) {
        images.push_back(trueColourImage(canvas));
    }
    std::vector<std::uint8_t> out;
    put16(out, 0); // the icon directory: reserved, type 1 (icon), the count of images
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& image : images) { // size (0 for 256), colours, reserved, planes, bits
        out.push_back(static_cast<std::uint8_t>(image.side >= 256 ? 0 : image.side));
        out.push_back(static_cast<std::uint8_t>(image.side >= 256 ? 0 : image.side));
        out.push_back(static_cast<std::uint8_t>(image.colours));
        out.push_back(0);
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(image.bits));
        put32(out, static_cast<std::uint32_t>(image.bytes.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const IconImage& image : images) {
        out.insert(out.end(), image.bytes.begin(), image.bytes.end());
    }
    return out;
}

Canvas iconPicture() {
    return paintGameIcon(Side);
}

std::vector<std::uint8_t> programIcon() {
    std::vector<Canvas> trueColour;
    for (int side : TrueColourIconSizes) {
        trueColour.push_back(paintGameIcon(side));
    }
    return encodeIcon(iconPicture(), trueColour);
}

} // namespace datagen
