// Buffered reading of RIFF files: every read goes through one buffer of the stream's own, and a
// request larger than the buffer goes straight into the caller's memory.
#include "sound/chunk_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "platform/file_path.h"
#include "platform/file_system.h"

namespace {

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

ChunkStream::ChunkStream(std::size_t bufferBytes)
    : bufferBytes_(std::max<std::size_t>(bufferBytes, 1)) {}

ChunkStream::~ChunkStream() = default;

bool ChunkStream::openFile(const char* path) {
    close();
    if (path == nullptr) {
        return false;
    }
    buffer_.reset(new (std::nothrow) std::uint8_t[bufferBytes_]);
    if (buffer_ == nullptr) {
        return false;
    }
    file_.reset(platform::openRegularFile(platform::nativePath(path)));
    if (file_ == nullptr) {
        return false;
    }
    // The stream's own buffer is the only one.
    std::setvbuf(file_.get(), nullptr, _IONBF, 0);
    const off_t end = fseeko(file_.get(), 0, SEEK_END) == 0 ? ftello(file_.get()) : -1;
    if (end < 0) {
        file_.reset();
        return false;
    }
    streamSize_ = static_cast<std::uint64_t>(end);
    return true;
}

bool ChunkStream::openMemory(const void* bytes, std::size_t size) {
    close();
    if (bytes == nullptr) {
        return false;
    }
    buffer_.reset(new (std::nothrow) std::uint8_t[bufferBytes_]);
    if (buffer_ == nullptr) {
        return false;
    }
    memory_ = static_cast<const std::uint8_t*>(bytes);
    memorySize_ = size;
    streamSize_ = size;
    return true;
}

void ChunkStream::close() {
    file_.reset();
    memory_ = nullptr;
    memorySize_ = 0;
    streamSize_ = 0;
    bufferStart_ = 0;
    filled_ = 0;
    next_ = 0;
}

std::size_t ChunkStream::fetch(std::uint64_t offset, std::uint8_t* destination, std::size_t count) {
    if (memory_ != nullptr) {
        if (offset >= memorySize_) {
            return 0;
        }
        const std::size_t got = std::min<std::size_t>(count, memorySize_ - offset);
        std::memcpy(destination, memory_ + offset, got);
        return got;
    }
    if (file_ == nullptr ||
        offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()) ||
        fseeko(file_.get(), static_cast<off_t>(offset), SEEK_SET) != 0) {
        return 0;
    }
    return std::fread(destination, 1, count, file_.get());
}

bool ChunkStream::refill() {
    bufferStart_ = position();
    next_ = 0;
    filled_ = fetch(bufferStart_, buffer_.get(), bufferBytes_);
    return filled_ > 0;
}

std::int64_t ChunkStream::seek(std::uint64_t offset) {
    if (!isOpen() ||
        offset > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return -1;
    }
    if (offset >= bufferStart_ && offset <= bufferStart_ + filled_) {
        next_ = static_cast<std::size_t>(offset - bufferStart_);
    } else {
        bufferStart_ = offset;
        filled_ = 0;
        next_ = 0;
    }
    return static_cast<std::int64_t>(offset);
}

std::size_t ChunkStream::read(void* destination, std::size_t count) {
    if (!isOpen() || destination == nullptr) {
        return 0;
    }
    auto* out = static_cast<std::uint8_t*>(destination);
    std::size_t done = 0;
    while (done < count) {
        if (next_ == filled_) {
            const std::size_t left = count - done;
            if (left >= bufferBytes_) {
                // A large request skips the buffer: no copy of a copy.
                bufferStart_ = position();
                filled_ = 0;
                next_ = 0;
                const std::size_t got = fetch(bufferStart_, out + done, left);
                bufferStart_ += got;
                return done + got;
            }
            if (!refill()) {
                break;
            }
        }
        const std::size_t taken = std::min(count - done, filled_ - next_);
        std::memcpy(out + done, buffer_.get() + next_, taken);
        next_ += taken;
        done += taken;
    }
    return done;
}

bool ChunkStream::readHeader(ChunkInfo& chunk) {
    std::uint8_t header[8];
    if (read(header, sizeof header) != sizeof header) {
        return false;
    }
    chunk.id = littleEndian32(header);
    chunk.size = littleEndian32(header + 4);
    chunk.statedSize = chunk.size;
    chunk.formType = 0;
    chunk.dataOffset = position();
    // A chunk never holds more than the stream has after its header, whatever it claims: a
    // few bytes cannot make the game set aside a buffer for a quarter of a gigabyte.
    const std::uint64_t left = streamSize_ > chunk.dataOffset ? streamSize_ - chunk.dataOffset : 0;
    if (chunk.size > left) {
        chunk.size = static_cast<std::uint32_t>(left);
    }
    if (chunk.id == FOURCC_RIFF || chunk.id == FOURCC_LIST) {
        std::uint8_t form[4];
        if (read(form, sizeof form) != sizeof form) {
            return false;
        }
        chunk.formType = littleEndian32(form);
    }
    return true;
}

bool ChunkStream::descend(ChunkInfo& chunk, const ChunkInfo* parent, std::uint32_t findId) {
    if (!isOpen()) {
        return false;
    }
    const std::uint64_t parentEnd = parent != nullptr ? parent->dataOffset + parent->size
                                                      : std::numeric_limits<std::uint64_t>::max();
    // Every step moves on by at least a header, so the search ends.
    for (;;) {
        if (position() >= parentEnd) {
            return false;
        }
        ChunkInfo found;
        if (!readHeader(found)) {
            return false;
        }
        if (findId == 0 || found.id == findId) {
            chunk = found;
            return true;
        }
        if (!ascend(found)) {
            return false;
        }
    }
}

bool ChunkStream::ascend(const ChunkInfo& chunk) {
    const std::uint64_t end = chunk.dataOffset + chunk.size + (chunk.size & 1u);
    return seek(end) != -1;
}
