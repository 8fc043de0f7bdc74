// Buffered reading of RIFF files, from disk or from a block of memory: stepping into a chunk,
// finding a sub-chunk inside its parent, stepping out past the body and its pad byte, seeking,
// and reading through the stream's own buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

// A chunk identifier: four characters, the first in the lowest byte.
constexpr std::uint32_t fourCC(const char (&name)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3])) << 24;
}

inline constexpr std::uint32_t FOURCC_RIFF = fourCC("RIFF");
inline constexpr std::uint32_t FOURCC_LIST = fourCC("LIST");

// Where a chunk lies: for "RIFF" and "LIST" the body starts with the form type.
struct ChunkInfo {
    std::uint32_t id = 0;
    std::uint32_t size = 0;       // body bytes as stated, but no more than the stream holds
    std::uint32_t statedSize = 0; // body bytes as the file states them
    std::uint32_t formType = 0;   // "RIFF" and "LIST" only
    std::uint64_t dataOffset = 0; // stream offset of the body (of the form type for a form)
};

class ChunkStream {
public:
    static constexpr std::size_t DefaultBufferBytes = 8192;

    explicit ChunkStream(std::size_t bufferBytes = DefaultBufferBytes);
    ~ChunkStream();
    ChunkStream(const ChunkStream&) = delete;
    ChunkStream& operator=(const ChunkStream&) = delete;

    // The game's path ("Data\Wind.wav"); false when it does not open for reading.
    bool openFile(const char* path);
    // The block must stay as it is while the stream is open.
    bool openMemory(const void* bytes, std::size_t size);
    void close();
    bool isOpen() const { return file_ != nullptr || memory_ != nullptr; }

    // Reads the chunk header at the current position and stands at the start of its body (after
    // the form type of a form). With a parent and findId, skips sibling chunks until one with
    // that identifier, giving up at the end of the parent or of the stream. On failure the chunk
    // record is left as it was.
    bool descend(ChunkInfo& chunk, const ChunkInfo* parent = nullptr, std::uint32_t findId = 0);
    // Stands after the chunk's body and its pad byte.
    bool ascend(const ChunkInfo& chunk);
    // To an offset from the start; -1 when it cannot.
    std::int64_t seek(std::uint64_t offset);
    std::uint64_t position() const { return bufferStart_ + next_; }

    // Up to count bytes through the buffer; fewer at the end of the stream.
    std::size_t read(void* destination, std::size_t count);

private:
    bool readHeader(ChunkInfo& chunk);
    // Reads from the source at the offset, straight into the destination.
    std::size_t fetch(std::uint64_t offset, std::uint8_t* destination, std::size_t count);
    bool refill();

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    const std::uint8_t* memory_ = nullptr;
    std::size_t memorySize_ = 0;
    std::uint64_t streamSize_ = 0; // bytes in the file or the block, as opened

    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t bufferBytes_;
    std::uint64_t bufferStart_ = 0; // stream offset of the buffer's first byte
    std::size_t filled_ = 0;        // bytes in the buffer
    std::size_t next_ = 0;          // next byte to read in the buffer
};
