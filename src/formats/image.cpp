// Loading a picture file, and copying a picture onto an 8-bit surface through the display
// palette.
#include "formats/image.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <unordered_map>

#include "platform/file_path.h"

namespace platform {

namespace {

// No picture of the game comes near this; anything bigger is not read at all.
constexpr long MaxFileSize = 64L << 20;

std::uint32_t packed(Rgb colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

} // namespace

std::unique_ptr<Image> loadImage(const char* path) {
    if (path == nullptr) {
        return nullptr;
    }
    std::FILE* file = std::fopen(nativePath(path).c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    std::vector<std::uint8_t> bytes;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    if (size >= 0 && size <= MaxFileSize && std::fseek(file, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<std::size_t>(size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    }
    std::fclose(file);
    return decodeBitmap(bytes.data(), bytes.size());
}

void copyImage(const Image& image, Surface& surface, int width, int height,
               const Palette& palette) {
    const int columns = std::min({width, image.width, surface.width()});
    const int rows = std::min({height, image.height, surface.height()});
    if (columns <= 0 || rows <= 0) {
        return;
    }
    const auto sourceOffset = [&](int y) { return static_cast<std::size_t>(y) * image.width; };

    if (image.palettised()) {
        // Each colour of the file's table that the copy uses is mapped once, when first met;
        // a colour equal to the display palette's entry of the same index keeps its index.
        std::array<std::int16_t, 256> mapped;
        mapped.fill(-1);
        const auto mapIndex = [&](std::uint8_t i) {
            if (mapped[i] < 0) {
                const Rgb colour = i < image.colourTable.size() ? image.colourTable[i] : Rgb{};
                const PaletteEntry& entry = palette[i];
                const bool same = entry.red == colour.red && entry.green == colour.green &&
                                  entry.blue == colour.blue;
                mapped[i] = same ? i : palette.nearestIndex(colour);
            }
            return static_cast<std::uint8_t>(mapped[i]);
        };
        for (int y = 0; y < rows; ++y) {
            const std::uint8_t* in = image.indices.data() + sourceOffset(y);
            std::uint8_t* out = surface.row(y);
            for (int x = 0; x < columns; ++x) {
                out[x] = mapIndex(in[x]);
            }
        }
        return;
    }

    // True colour: pictures hold few distinct colours, so each is looked up only once.
    std::unordered_map<std::uint32_t, std::uint8_t> nearest;
    for (int y = 0; y < rows; ++y) {
        const Rgb* in = image.pixels.data() + sourceOffset(y);
        std::uint8_t* out = surface.row(y);
        for (int x = 0; x < columns; ++x) {
            const auto [found, added] = nearest.try_emplace(packed(in[x]), 0);
            if (added) {
                found->second = palette.nearestIndex(in[x]);
            }
            out[x] = found->second;
        }
    }
}

} // namespace platform
