// Reads a wave file: checks the RIFF WAVE header, keeps the sample format, finds the sample
// data and hands it out, as often as asked, from the start.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/audio.h"
#include "platform/result.h"
#include "sound/chunk_stream.h"

class WaveReader {
public:
    WaveReader();
    ~WaveReader();
    WaveReader(const WaveReader&) = delete;
    WaveReader& operator=(const WaveReader&) = delete;

    // A path in the game's own spelling ("Data\Wind.wav"), relative to the game folder.
    HResult open(const char* name);
    // The same from a block of memory, which must stay as it is while the reader is open.
    HResult openMemory(const void* bytes, std::size_t size);
    HResult readHeader();
    // Back to the first byte of the data, all of it readable again.
    HResult rewind();
    // Up to byteCount data bytes; bytesRead says how many came.
    HResult read(std::uint8_t* destination, std::uint32_t byteCount, std::uint32_t* bytesRead);
    HResult close();
    std::uint32_t dataSize() const { return dataBytes; }
    // The data's size as the file states it: more than dataSize when the file is cut short.
    std::uint32_t statedDataSize() const { return dataChunk.statedSize; }

    // The format record: the "fmt " fields, then the extra size and that many extra bytes.
    platform::WaveFormat* format;
    ChunkStream stream;      // open while the reader holds a file
    ChunkInfo dataChunk;     // its size counts the data bytes not yet read
    ChunkInfo riffChunk;     // the whole form
    std::uint32_t dataBytes; // the data's full size, 0 until an open finds it

    // The extra bytes of a format other than plain PCM.
    const std::uint8_t* extraFormatBytes() const;

private:
    HResult finishOpen();
    void freeFormat();
};
