#include "bitmap_file.h"

std::string bitmapFile(const BitmapLayout& layout) {
    const int stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    std::string pixels;
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.topDown ? row : layout.height - 1 - row;
        std::string line(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value = layout.pixel(x, y);
            const int bit = x * layout.bitCount;
            if (layout.bitCount <= 8) {
                line[bit / 8] =
                    static_cast<char>(line[bit / 8] | (value << (8 - layout.bitCount - bit % 8)));
            } else if (layout.bitCount == 16) {
                const std::uint32_t packed =
                    ((value >> 19 & 31) << 10) | ((value >> 11 & 31) << 5) | (value >> 3 & 31);
                line[2 * x] = static_cast<char>(packed & 0xFF);
                line[2 * x + 1] = static_cast<char>(packed >> 8);
            } else {
                for (int i = 0; i < layout.bitCount / 8; ++i) {
                    line[layout.bitCount / 8 * x + i] =
                        static_cast<char>(i < 3 ? (value >> (8 * i)) & 0xFF : 0);
                }
            }
        }
        pixels += line;
    }
    const auto size = static_cast<std::uint32_t>(pixels.size());
    const auto offset = static_cast<std::uint32_t>(54 + layout.colourTable.size() * 4);
    const auto width = static_cast<std::uint32_t>(layout.width);
    const auto height = static_cast<std::uint32_t>(layout.topDown ? -layout.height : layout.height);
    std::string file = "BM";
    const auto put = [&file](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            file.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    // The file header; the info header's size, width, height, planes and depth; then its
    // compression, image size, resolution across and down, colours used and important.
    for (const std::uint32_t value : {offset + size, 0u, offset, 40u, width, height}) {
        put(value, 4);
    }
    put(1, 2);
    put(static_cast<std::uint32_t>(layout.bitCount), 2);
    for (const std::uint32_t value : {0u, size, 2835u, 2835u, layout.coloursUsed, 0u}) {
        put(value, 4);
    }
    for (const platform::Rgb& colour : layout.colourTable) {
        file += {static_cast<char>(colour.blue), static_cast<char>(colour.green),
                 static_cast<char>(colour.red), '\0'};
    }
    return file + pixels;
}

std::vector<platform::Rgb> testColours() {
    std::vector<platform::Rgb> colours(256);
    for (int i = 0; i < 256; ++i) {
        // Distinct by construction: the index is spread over the three channels.
        colours[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>((i * 37) % 251),
                      static_cast<std::uint8_t>(255 - i)};
    }
    colours[0] = {0, 0, 0};
    colours[1] = {115, 115, 115};
    colours[2] = {115, 0, 0};
    colours[254] = {255, 0, 255};
    return colours;
}

std::string testPicture(int width, int height, std::function<std::uint8_t(int x, int y)> index) {
    BitmapLayout layout;
    layout.width = width;
    layout.height = height;
    layout.colourTable = testColours();
    layout.pixel = [index](int x, int y) { return std::uint32_t{index(x, y)}; };
    return bitmapFile(layout);
}
