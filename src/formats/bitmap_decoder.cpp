// The BMP reader: the file and info headers, the colour table and every pixel layout the game's
// pictures may come in. Any bytes are safe to hand it: every read is checked against the end
// of the data, and anything it cannot make sense of gives no image.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "formats/image.h"

namespace platform {

namespace {

constexpr std::uint32_t Uncompressed = 0;
constexpr std::uint32_t RunLength8 = 1;
constexpr std::uint32_t RunLength4 = 2;
constexpr std::uint32_t BitFields = 3;

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;

// Little-endian reads that see nothing past the end of the data.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t size() const { return size_; }
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= size_ && count <= size_ - offset;
    }
    std::uint32_t read(std::size_t offset, int count) const {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) {
            value = (value << 8) | data_[offset + i];
        }
        return value;
    }
    const std::uint8_t* at(std::size_t offset) const { return data_ + offset; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

struct Header {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: the top row comes first
    std::uint32_t bitCount = 0;
    std::uint32_t compression = Uncompressed;
    std::uint32_t coloursUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue of bit-field pixels
};

// One colour channel of a bit-field pixel, scaled to 0..255 whatever the mask's shape.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint64_t full = mask >> shift;
    const std::uint64_t value = (pixel & mask) >> shift;
    return static_cast<std::uint8_t>(value * 255 / full);
}

bool readHeader(const Bytes& file, Header& header) {
    if (!file.has(0, FileHeaderSize + 4) || file.read(0, 2) != 0x4D42) { // "BM"
        return false;
    }
    header.headerSize = file.read(FileHeaderSize, 4);
    const std::size_t info = FileHeaderSize;
    if (header.headerSize == CoreHeaderSize) {
        if (!file.has(info, CoreHeaderSize)) {
            return false;
        }
        header.width = file.read(info + 4, 2);
        header.height = file.read(info + 6, 2);
        header.bitCount = file.read(info + 10, 2);
        return true;
    }
    if (header.headerSize < 40 || header.headerSize > 124 || !file.has(info, header.headerSize)) {
        return false;
    }
    header.width = static_cast<std::int32_t>(file.read(info + 4, 4));
    header.height = static_cast<std::int32_t>(file.read(info + 8, 4));
    header.bitCount = file.read(info + 14, 2);
    header.compression = file.read(info + 16, 4);
    header.coloursUsed = file.read(info + 32, 4);
    if (header.compression == BitFields) {
        // The masks follow a plain info header, or are part of a longer one.
        const std::size_t masks = info + 40;
        if (!file.has(masks, 12)) {
            return false;
        }
        for (int i = 0; i < 3; ++i) {
            header.masks[i] = file.read(masks + 4 * i, 4);
        }
    } else if (header.bitCount == 16) {
        header.masks[0] = 0x7C00;
        header.masks[1] = 0x03E0;
        header.masks[2] = 0x001F;
    }
    return true;
}

bool layoutKnown(const Header& header) {
    switch (header.compression) {
    case Uncompressed:
        return header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 ||
               header.bitCount == 16 || header.bitCount == 24 || header.bitCount == 32;
    case RunLength8:
        return header.bitCount == 8 && header.height > 0;
    case RunLength4:
        return header.bitCount == 4 && header.height > 0;
    case BitFields:
        return header.bitCount == 16 || header.bitCount == 32;
    default:
        return false;
    }
}

// Reads the colour table; false when the file ends inside it.
bool readColourTable(const Bytes& file, const Header& header, Image& image, std::size_t& tableEnd) {
    std::size_t offset = FileHeaderSize + header.headerSize;
    if (header.compression == BitFields && header.headerSize == 40) {
        offset += 12;
    }
    tableEnd = offset;
    if (header.bitCount > 8) {
        return true;
    }
    const std::uint32_t most = 1u << header.bitCount;
    const std::uint32_t count = header.headerSize == CoreHeaderSize || header.coloursUsed == 0
                                    ? most
                                    : std::min(header.coloursUsed, most);
    const std::size_t entrySize = header.headerSize == CoreHeaderSize ? 3 : 4;
    if (!file.has(offset, count * entrySize)) {
        return false;
    }
    image.colourTable.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = file.at(offset + i * entrySize);
        image.colourTable[i] = Rgb{entry[2], entry[1], entry[0]};
    }
    tableEnd = offset + count * entrySize;
    return true;
}

// The index of pixel x in a row of 1, 4 or 8 bits a pixel, leftmost pixel in the high bits.
std::uint8_t indexAt(const std::uint8_t* row, std::int64_t x, std::uint32_t bitCount) {
    switch (bitCount) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default:
        return row[x];
    }
}

// Bytes from one row's start to the next's: whole 32-bit words.
std::int64_t rowStride(std::int64_t width, std::uint32_t bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// Whether the file holds enough after the offset to describe a picture of this size, checked
// before any pixel is set aside. An uncompressed picture needs every row, the last one perhaps
// without its padding. A run-length picture needs commands enough to set at least half its
// pixels, each two bytes setting at most 255 (the rest may stay at index 0, left out by ended
// rows and jumps): so the memory a picture takes grows with its file, whatever it claims.
bool fileDescribes(const Bytes& file, std::size_t offset, const Header& header, std::int64_t width,
                   std::int64_t height) {
    if (header.compression == RunLength8 || header.compression == RunLength4) {
        const auto bytes =
            static_cast<std::int64_t>(file.has(offset, 0) ? file.size() - offset : 0);
        return width * height <= 255 * bytes;
    }
    const std::int64_t lastRowBytes = (width * header.bitCount + 7) / 8;
    return file.has(offset, static_cast<std::size_t>(
                                rowStride(width, header.bitCount) * (height - 1) + lastRowBytes));
}

void decodeUncompressed(const Bytes& file, std::size_t offset, const Header& header, Image& image) {
    const std::int64_t width = image.width;
    const std::int64_t height = image.height;
    const std::int64_t stride = rowStride(width, header.bitCount);
    const bool topDown = header.height < 0;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t fileRow = topDown ? y : height - 1 - y;
        const std::uint8_t* row = file.at(offset + static_cast<std::size_t>(fileRow * stride));
        const std::size_t first = static_cast<std::size_t>(y * width);
        if (header.bitCount <= 8) {
            for (std::int64_t x = 0; x < width; ++x) {
                image.indices[first + x] = indexAt(row, x, header.bitCount);
            }
            continue;
        }
        for (std::int64_t x = 0; x < width; ++x) {
            Rgb& out = image.pixels[first + x];
            if (header.bitCount == 24 ||
                (header.bitCount == 32 && header.compression != BitFields)) {
                const std::uint8_t* pixel = row + x * (header.bitCount / 8);
                out = Rgb{pixel[2], pixel[1], pixel[0]};
                continue;
            }
            const int size = static_cast<int>(header.bitCount / 8);
            std::uint32_t value = 0;
            for (int i = size - 1; i >= 0; --i) {
                value = (value << 8) | row[x * size + i];
            }
            out = Rgb{channel(value, header.masks[0]), channel(value, header.masks[1]),
                      channel(value, header.masks[2])};
        }
    }
}

// Run-length pictures: pairs of (count, index) and escapes for the end of a line, the end of
// the picture, a jump, and a literal run. Pixels never reached stay at index 0.
void decodeRunLength(const Bytes& file, std::size_t offset, const Header& header, Image& image) {
    const std::int64_t width = image.width;
    const std::int64_t height = image.height;
    const bool fourBits = header.bitCount == 4;
    std::int64_t x = 0;
    std::int64_t y = height - 1; // the file starts with the bottom row
    const auto put = [&](std::uint8_t index) {
        if (x < width && y >= 0) {
            image.indices[static_cast<std::size_t>(y * width + x)] = index;
        }
        ++x;
    };
    std::size_t at = offset;
    while (y >= 0 && file.has(at, 2)) {
        const std::uint32_t count = *file.at(at);
        const std::uint8_t value = *file.at(at + 1);
        at += 2;
        if (count > 0) {
            for (std::uint32_t i = 0; i < count && x < width; ++i) {
                put(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            }
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            --y;
        } else if (value == 1) { // end of picture
            break;
        } else if (value == 2) { // jump right and up
            if (!file.has(at, 2)) {
                break;
            }
            x += *file.at(at);
            y -= *file.at(at + 1);
            at += 2;
        } else { // a literal run of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            if (!file.has(at, bytes)) {
                break;
            }
            for (std::uint32_t i = 0; i < value && x < width; ++i) {
                const std::uint8_t byte = *file.at(at + (fourBits ? i / 2 : i));
                put(fourBits ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
            }
            at += bytes + bytes % 2;
        }
    }
}

} // namespace

std::unique_ptr<Image> decodeBitmap(const std::uint8_t* bytes, std::size_t size) {
    if (bytes == nullptr) {
        return nullptr;
    }
    const Bytes file(bytes, size);
    Header header;
    if (!readHeader(file, header) || !layoutKnown(header)) {
        return nullptr;
    }
    const std::int64_t width = header.width;
    const std::int64_t height = header.height < 0 ? -header.height : header.height;
    if (width <= 0 || height <= 0 || width > MaxImageSide || height > MaxImageSide ||
        width * height > MaxImagePixels) {
        return nullptr;
    }
    auto image = std::make_unique<Image>();
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    std::size_t tableEnd = 0;
    if (!readColourTable(file, header, *image, tableEnd)) {
        return nullptr;
    }
    // Pixels start where the file header says; a header that points into the headers
    // themselves is taken to mean right after the colour table.
    std::size_t offset = file.read(10, 4);
    if (offset < tableEnd) {
        offset = tableEnd;
    }
    if (!fileDescribes(file, offset, header, width, height)) {
        return nullptr;
    }
    const auto pixelCount = static_cast<std::size_t>(width * height);
    if (header.bitCount > 8) {
        image->pixels.assign(pixelCount, Rgb{});
        decodeUncompressed(file, offset, header, *image);
    } else if (header.compression == Uncompressed) {
        image->indices.assign(pixelCount, 0);
        decodeUncompressed(file, offset, header, *image);
    } else {
        image->indices.assign(pixelCount, 0);
        decodeRunLength(file, offset, header, *image);
    }
    return image;
}

} // namespace platform
