// The wave reader: a RIFF form of type "WAVE" with a "fmt " chunk of at least 16 bytes and a
// "data" chunk, in any order, among any other chunks, which are skipped.
#include "sound/wave_reader.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::uint32_t FOURCC_WAVE = fourCC("WAVE");
constexpr std::uint32_t FOURCC_FMT = fourCC("fmt ");
constexpr std::uint32_t FOURCC_DATA = fourCC("data");

// The fields every "fmt " body starts with.
constexpr std::size_t FormatFieldBytes = 16;

std::uint16_t littleEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(littleEndian16(bytes)) |
           static_cast<std::uint32_t>(littleEndian16(bytes + 2)) << 16;
}

// A format record with room for its extra bytes right after it.
platform::WaveFormat* newFormatRecord(std::uint16_t extraSize) {
    auto* memory = new (std::nothrow) std::uint8_t[sizeof(platform::WaveFormat) + extraSize];
    return memory != nullptr ? new (memory) platform::WaveFormat{} : nullptr;
}

} // namespace

WaveReader::WaveReader() : format(nullptr), dataChunk{}, riffChunk{}, dataBytes(0) {}

WaveReader::~WaveReader() {
    close();
    freeFormat();
}

void WaveReader::freeFormat() {
    delete[] reinterpret_cast<std::uint8_t*>(format);
    format = nullptr;
}

const std::uint8_t* WaveReader::extraFormatBytes() const {
    return format != nullptr ? reinterpret_cast<const std::uint8_t*>(format) + sizeof *format
                             : nullptr;
}

HResult WaveReader::open(const char* name) {
    if (name == nullptr) {
        return E_INVALIDARG;
    }
    // A reader opened again forgets the last file completely, its size included.
    freeFormat();
    close();
    dataChunk = ChunkInfo{};
    dataBytes = 0;
    // The game carries no sounds inside the program, so a missing file is the end of it.
    if (!stream.openFile(name)) {
        return E_FAIL;
    }
    return finishOpen();
}

HResult WaveReader::openMemory(const void* bytes, std::size_t size) {
    freeFormat();
    close();
    dataChunk = ChunkInfo{};
    dataBytes = 0;
    if (!stream.openMemory(bytes, size)) {
        return E_FAIL;
    }
    return finishOpen();
}

HResult WaveReader::finishOpen() {
    const HResult header = readHeader();
    if (failed(header)) {
        stream.close();
        return header;
    }
    // Without data the stream stays open and the format held; the size stays 0.
    const HResult result = rewind();
    if (succeeded(result)) {
        dataBytes = dataChunk.size;
    }
    return result;
}

HResult WaveReader::readHeader() {
    freeFormat();
    if (!stream.descend(riffChunk) || riffChunk.id != FOURCC_RIFF ||
        riffChunk.formType != FOURCC_WAVE) {
        return E_FAIL;
    }
    ChunkInfo formatChunk;
    if (!stream.descend(formatChunk, &riffChunk, FOURCC_FMT) ||
        formatChunk.size < FormatFieldBytes) {
        return E_FAIL;
    }
    std::uint8_t fields[FormatFieldBytes];
    if (stream.read(fields, sizeof fields) != sizeof fields) {
        return E_FAIL;
    }
    const std::uint16_t formatTag = littleEndian16(fields);

    // Plain PCM never has extra bytes, whatever its chunk holds. Any other format reads its
    // extra size and bytes even past the end of its chunk; kept on purpose.
    std::uint16_t extraSize = 0;
    if (formatTag != platform::WAVE_FORMAT_PCM) {
        std::uint8_t size[2];
        if (stream.read(size, sizeof size) != sizeof size) {
            return E_FAIL;
        }
        extraSize = littleEndian16(size);
    }
    format = newFormatRecord(extraSize);
    if (format == nullptr) {
        return E_FAIL;
    }
    format->formatTag = formatTag;
    format->channels = littleEndian16(fields + 2);
    format->samplesPerSecond = littleEndian32(fields + 4);
    format->averageBytesPerSecond = littleEndian32(fields + 8);
    format->blockAlign = littleEndian16(fields + 12);
    format->bitsPerSample = littleEndian16(fields + 14);
    format->extraSize = extraSize;
    auto* extra = reinterpret_cast<std::uint8_t*>(format) + sizeof *format;
    if (stream.read(extra, extraSize) != extraSize || !stream.ascend(formatChunk)) {
        freeFormat();
        return E_FAIL;
    }
    return S_OK;
}

HResult WaveReader::rewind() {
    if (!stream.isOpen()) {
        return CO_E_NOTINITIALIZED;
    }
    if (stream.seek(riffChunk.dataOffset + 4) == -1 ||
        !stream.descend(dataChunk, &riffChunk, FOURCC_DATA)) {
        return E_FAIL;
    }
    return S_OK;
}

HResult WaveReader::read(std::uint8_t* destination, std::uint32_t byteCount,
                         std::uint32_t* bytesRead) {
    if (!stream.isOpen()) {
        return CO_E_NOTINITIALIZED;
    }
    if (destination == nullptr || bytesRead == nullptr) {
        return E_INVALIDARG;
    }
    *bytesRead = 0;
    const std::uint32_t count = std::min(byteCount, dataChunk.size);
    dataChunk.size -= count;
    // A file shorter than its data chunk says fails here, with what came left in destination.
    if (stream.read(destination, count) != count) {
        return E_FAIL;
    }
    *bytesRead = count;
    return S_OK;
}

HResult WaveReader::close() {
    stream.close();
    return S_OK;
}
