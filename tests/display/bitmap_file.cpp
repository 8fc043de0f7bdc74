#include "bitmap_file.h"

#include <filesystem>
#include <fstream>

namespace {

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

std::string bitmapFile(const BitmapLayout& layout) {
    const int stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    std::string pixels;
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.topDown ? row : layout.height - 1 - row;
        std::string line(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t value = layout.pixel(x, y);
            const int bit = x * layout.bitCount;
            switch (layout.bitCount) {
            case 1:
            case 4:
                line[bit / 8] =
                    static_cast<char>(line[bit / 8] | (value << (8 - layout.bitCount - bit % 8)));
                break;
            case 8:
                line[x] = static_cast<char>(value);
                break;
            case 16: {
                const std::uint32_t packed =
                    ((value >> 19 & 31) << 10) | ((value >> 11 & 31) << 5) | (value >> 3 & 31);
                line[2 * x] = static_cast<char>(packed & 0xFF);
                line[2 * x + 1] = static_cast<char>(packed >> 8);
                break;
            }
            default:
                for (int i = 0; i < layout.bitCount / 8; ++i) {
                    line[layout.bitCount / 8 * x + i] =
                        static_cast<char>(i < 3 ? (value >> (8 * i)) & 0xFF : 0);
                }
            }
        }
        pixels += line;
    }
    const auto tableSize = static_cast<std::uint32_t>(layout.colourTable.size() * 4);
    const std::uint32_t offset = 14 + 40 + tableSize;
    std::string file = "BM";
    put(file, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    put(file, 0, 4);
    put(file, offset, 4);
    put(file, 40, 4);
    put(file, static_cast<std::uint32_t>(layout.width), 4);
    put(file, static_cast<std::uint32_t>(layout.topDown ? -layout.height : layout.height), 4);
    put(file, 1, 2);
    put(file, static_cast<std::uint32_t>(layout.bitCount), 2);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(pixels.size()), 4);
    put(file, 2835, 4);
    put(file, 2835, 4);
    put(file, layout.coloursUsed, 4);
    put(file, 0, 4);
    for (const platform::Rgb& colour : layout.colourTable) {
        file.push_back(static_cast<char>(colour.blue));
        file.push_back(static_cast<char>(colour.green));
        file.push_back(static_cast<char>(colour.red));
        file.push_back('\0');
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

std::vector<platform::PaletteEntry> testPaletteEntries() {
    std::vector<platform::PaletteEntry> entries;
    for (const platform::Rgb& colour : testColours()) {
        entries.push_back({colour.red, colour.green, colour.blue, 0});
    }
    return entries;
}

void writeGameFile(const std::string& folder, const std::string& name, const std::string& bytes) {
    const std::filesystem::path target = std::filesystem::path(folder) / name;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
}

std::string testPicture(int width, int height, std::function<std::uint8_t(int x, int y)> index) {
    BitmapLayout layout;
    layout.width = width;
    layout.height = height;
    layout.colourTable = testColours();
    layout.pixel = [index](int x, int y) { return std::uint32_t{index(x, y)}; };
    return bitmapFile(layout);
}
