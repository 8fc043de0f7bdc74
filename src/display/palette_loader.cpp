// Building the game palette from "Data\Frame_Top.bmp": the 1024 bytes after the bitmap's two
// headers replace the whole default table; the first n of them (the file's colour count) are
// stored blue-green-red and get red and blue swapped back, the rest stay as they were read.
#include "display/palette_loader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "platform/file_path.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace {

std::uint32_t readLittle(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

} // namespace

void loadPaletteEntries(const char* path, platform::PaletteEntry* entries) {
    for (int i = 0; i < 256; ++i) {
        entries[i].red = static_cast<std::uint8_t>(((i >> 5) & 7) * 255 / 7);
        entries[i].green = static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7);
        entries[i].blue = static_cast<std::uint8_t>((i & 3) * 255 / 3);
        entries[i].flags = 0;
    }
    if (path == nullptr) {
        return;
    }
    platform::OpenFailure failure;
    std::FILE* file = platform::openRegularFile(platform::nativePath(path), &failure);
    if (file == nullptr) {
        const std::string line = std::string(path) + ": " +
                                 (failure.missing ? std::string("missing") : failure.reason) +
                                 "; the default palette is used\n";
        platform::debugLine(line.c_str());
        return;
    }
    // A file too short for its headers reads as zeros there; the table keeps the default
    // entries past the end of the file, and swaps those among the first n all the same (kept
    // on purpose).
    unsigned char headers[54] = {};
    unsigned char table[1024];
    const std::size_t headerBytes = std::fread(headers, 1, sizeof headers, file);
    const std::size_t tableBytes =
        headerBytes == sizeof headers ? std::fread(table, 1, sizeof table, file) : 0;
    std::fclose(file);
    std::memcpy(entries, table, tableBytes);
    if (tableBytes < sizeof table) {
        const std::string line = std::string(path) + ": holds only " +
                                 std::to_string(tableBytes / 4) +
                                 " of 256 colours; the rest are the default palette's\n";
        platform::debugLine(line.c_str());
    }

    const std::uint32_t infoSize = readLittle(headers + 14, 4);
    const std::uint32_t bitCount = readLittle(headers + 28, 2);
    const std::uint32_t coloursUsed = readLittle(headers + 46, 4);
    std::uint32_t colours = 0;
    if (infoSize == 40 && bitCount <= 8) {
        colours = coloursUsed != 0 ? coloursUsed : (1u << bitCount);
    }
    for (std::uint32_t i = 0; i < colours && i < 256; ++i) {
        std::swap(entries[i].red, entries[i].blue);
    }
}

platform::Palette* DDLoadPalette(platform::DisplayDevice* device, const char* path) {
    platform::PaletteEntry entries[256];
    loadPaletteEntries(path, entries);
    platform::Palette* palette = nullptr;
    if (platform::createPalette(device, entries, &palette) != S_OK) {
        return nullptr;
    }
    return palette;
}
