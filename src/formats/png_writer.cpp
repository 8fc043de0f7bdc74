// The PNG encoder: each scanline led by the filter that suits it best, the whole compressed
// by zlib.
#include "formats/png_writer.h"

#include <zlib.h>

#include <cstdlib>
#include <fstream>

namespace {

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& body) {
    putBig32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(body.size() + 4));
    putBig32(out, static_cast<std::uint32_t>(crc));
}

// Filter 0 keeps a row as it is, filter 2 stores each byte less the one above it: flat
// pictures and gradients both shrink far better with one or the other.
void filterRow(const std::uint8_t* row, const std::uint8_t* above, std::size_t bytes,
               std::vector<std::uint8_t>& out) {
    std::size_t plainCost = 0;
    std::size_t upCost = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        plainCost += static_cast<std::size_t>(std::abs(static_cast<std::int8_t>(row[i])));
        const auto up = static_cast<std::uint8_t>(row[i] - (above != nullptr ? above[i] : 0));
        upCost += static_cast<std::size_t>(std::abs(static_cast<std::int8_t>(up)));
    }
    const bool useUp = above != nullptr && upCost < plainCost;
    out.push_back(useUp ? 2 : 0);
    for (std::size_t i = 0; i < bytes; ++i) {
        out.push_back(useUp ? static_cast<std::uint8_t>(row[i] - above[i]) : row[i]);
    }
}

} // namespace

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& pixels,
                                    int channels) {
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
        pixels.size() !=
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * channels) {
        return {};
    }
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = pixels.data() + rowBytes * y;
        filterRow(row, y > 0 ? row - rowBytes : nullptr, rowBytes, raw);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK) {
        return {};
    }
    packed.resize(packedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    const std::uint8_t colourType = channels == 4 ? 6 : 2; // RGBA or RGB, 8 bits a sample
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& pixels, int channels) {
    const std::vector<std::uint8_t> png = encodePng(width, height, pixels, channels);
    if (png.empty()) {
        return false;
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    file.close();
    return static_cast<bool>(file);
}
