#include "game_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

std::string gameFolder() {
    const char* folder = std::getenv("KESTRAVAN_GAME_DIR");
    return folder != nullptr ? folder : "game";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

} // namespace

Bitmap readBitmap(const std::string& path) {
    const std::string bytes = readFile(path);
    Bitmap bitmap;
    if (bytes.size() < 54 + 1024 || bytes[0] != 'B' || bytes[1] != 'M') {
        return bitmap;
    }
    const std::uint32_t pixelsAt = little(bytes, 10, 4);
    bitmap.headerSize = static_cast<int>(little(bytes, 14, 4));
    const int width = static_cast<int>(little(bytes, 18, 4));
    const int height = static_cast<int>(little(bytes, 22, 4));
    bitmap.bitsPerPixel = static_cast<int>(little(bytes, 28, 2));
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    if (bitmap.bitsPerPixel != 8 || width <= 0 || height <= 0 ||
        bytes.size() < pixelsAt + stride * height) {
        return bitmap;
    }
    const std::size_t tableAt = 14 + bitmap.headerSize;
    for (int i = 0; i < 256; ++i) {
        const std::size_t entry = tableAt + 4 * i;
        bitmap.colours[i] = {static_cast<std::uint8_t>(bytes[entry + 2]),
                             static_cast<std::uint8_t>(bytes[entry + 1]),
                             static_cast<std::uint8_t>(bytes[entry])};
    }
    bitmap.width = width;
    bitmap.height = height;
    bitmap.indices.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = pixelsAt + stride * (height - 1 - y); // stored bottom-up
        for (int x = 0; x < width; ++x) {
            bitmap.indices[static_cast<std::size_t>(y) * width + x] =
                static_cast<std::uint8_t>(bytes[row + x]);
        }
    }
    return bitmap;
}

Bitmap gameBitmap(const std::string& name) {
    return readBitmap(gameFolder() + "/Data/" + name + ".bmp");
}
