// 8-bit bitmap files in the game palette.
#include "datagen/bmp_writer.h"
#include "datagen/little_endian.h"

namespace datagen {

std::vector<std::uint8_t> encodeBitmap(const Canvas& picture) {
    const std::uint32_t width = static_cast<std::uint32_t>(picture.width());
    const std::uint32_t height = static_cast<std::uint32_t>(picture.height());
    const std::uint32_t stride = (width + 3) & ~3u;
    const std::uint32_t pixelsAt = 14 + 40 + 256 * 4;
    const std::uint32_t fileSize = pixelsAt + stride * height;

    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, fileSize);
    put32(out, 0);
    put32(out, pixelsAt);

    put32(out, 40);
    put32(out, width);
    put32(out, height); // positive: bottom-up rows
    put16(out, 1);      // planes
    put16(out, 8);      // bits per pixel
    put32(out, 0);      // no compression
    put32(out, stride * height);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, 256); // colours used
    put32(out, 0);

    for (const Rgb& colour : palette().colours()) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }
    for (int row = picture.height() - 1; row >= 0; --row) {
        for (int column = 0; column < picture.width(); ++column) {
            out.push_back(picture.at(column, row));
        }
        for (std::uint32_t pad = width; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

} // namespace datagen
