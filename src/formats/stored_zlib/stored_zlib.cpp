// Stored deflate blocks in a zlib stream, and the CRC-32 of PNG chunks.
#include "zlib.h"

namespace {

constexpr uLong BlockBytes = 65535;

uLong adler32(const Bytef* data, uLong length) {
    uLong a = 1;
    uLong b = 0;
    for (uLong i = 0; i < length; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

} // namespace

uLong crc32(uLong crc, const Bytef* buf, uInt len) {
    crc = ~crc & 0xFFFFFFFFu;
    for (uInt i = 0; i < len; ++i) {
        crc ^= buf[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc & 0xFFFFFFFFu;
}

// The two header bytes, five bytes a block (at least one block), the four of the checksum.
uLong compressBound(uLong sourceLen) {
    const uLong blocks = sourceLen == 0 ? 1 : (sourceLen + BlockBytes - 1) / BlockBytes;
    return 2 + sourceLen + 5 * blocks + 4;
}

int compress2(Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen, int /*level*/) {
    if (*destLen < compressBound(sourceLen)) {
        return Z_BUF_ERROR;
    }
    Bytef* out = dest;
    *out++ = 0x78; // deflate, 32 KB window
    *out++ = 0x01; // no preset dictionary; the header is a multiple of 31
    uLong done = 0;
    do {
        const uLong size = sourceLen - done < BlockBytes ? sourceLen - done : BlockBytes;
        const bool last = done + size == sourceLen;
        *out++ = last ? 1 : 0;
        *out++ = static_cast<Bytef>(size & 0xFF);
        *out++ = static_cast<Bytef>(size >> 8);
        *out++ = static_cast<Bytef>(~size & 0xFF);
        *out++ = static_cast<Bytef>((~size >> 8) & 0xFF);
        for (uLong i = 0; i < size; ++i) {
            *out++ = source[done + i];
        }
        done += size;
    } while (done < sourceLen);
    const uLong check = adler32(source, sourceLen);
    for (int shift = 24; shift >= 0; shift -= 8) {
        *out++ = static_cast<Bytef>(check >> shift);
    }
    *destLen = static_cast<uLongf>(out - dest);
    return Z_OK;
}
