// Any bytes as a picture file: the reader stays inside its input, gives pictures only of sane
// sizes with every pixel accounted for, never more pixels than its bytes can describe, and the
// copy onto a surface stays inside it.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = platform::decodeBitmap(data, size);
    if (image == nullptr) {
        return 0;
    }
    const auto pixels = static_cast<std::size_t>(image->width) * image->height;
    if (image->width <= 0 || image->height <= 0 || pixels > platform::MaxImagePixels ||
        pixels > 255 * size ||
        (image->palettised() ? image->indices.size() : image->pixels.size()) != pixels) {
        std::abort();
    }
    static const platform::Palette palette = [] {
        std::vector<platform::PaletteEntry> entries(256);
        for (int i = 0; i < 256; ++i) {
            entries[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 7),
                          static_cast<std::uint8_t>(255 - i), 0};
        }
        return platform::Palette(entries.data());
    }();
    platform::Surface surface(40, 30);
    platform::copyImage(*image, surface, 64, 20, palette);
    return 0;
}
