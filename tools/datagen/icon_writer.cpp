// The Windows icon: one 32 x 32 image of 16 colours, with the transparency mask that icons
// carry under their colour bits.
#include "datagen/icon_writer.h"

#include "datagen/icon.h"
#include "datagen/little_endian.h"
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

std::vector<std::uint8_t> encodeIcon(const Canvas& picture) {
    const std::uint32_t imageBytes = 40 + 16 * 4 + (ColourRowBytes + MaskRowBytes) * Side;
    std::vector<std::uint8_t> out;
    out.reserve(6 + 16 + imageBytes);
    put16(out, 0); // the icon directory: reserved, type 1 (icon), one image
    put16(out, 1);
    put16(out, 1);
    out.push_back(Side); // the image's entry: size, colours, reserved, planes, bits
    out.push_back(Side);
    out.push_back(16);
    out.push_back(0);
    put16(out, 1);
    put16(out, 4);
    put32(out, imageBytes);
    put32(out, 6 + 16);

    put32(out, 40); // the image's header: its height counts the colour bits and the mask
    put32(out, Side);
    put32(out, 2 * Side);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, (ColourRowBytes + MaskRowBytes) * Side);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (const Rgb& colour : IconColours) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }

    const auto pixel = [&](int x, int y) { return picture.get(x, y); };
    for (int y = Side - 1; y >= 0; --y) { // colour bits, bottom row first
        for (int x = 0; x < Side; x += 2) {
            const auto nibble = [&](int at) -> std::uint8_t {
                const Colour colour = pixel(at, y);
                return colour == Key ? 0 : nearestIconColour(palette().colours()[colour]);
            };
            out.push_back(static_cast<std::uint8_t>(nibble(x) << 4 | nibble(x + 1)));
        }
    }
    for (int y = Side - 1; y >= 0; --y) { // the mask: a set bit lets the desktop through
        for (std::uint32_t byte = 0; byte < MaskRowBytes; ++byte) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (pixel(static_cast<int>(byte) * 8 + bit, y) == Key) {
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
            }
            out.push_back(bits);
        }
    }
    return out;
}

Canvas iconPicture() {
    return paintGameIcon(Side);
}

} // namespace datagen
