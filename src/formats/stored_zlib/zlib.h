// The few zlib calls the PNG writer makes, for the browser build, which has no zlib: the
// data goes into deflate's stored blocks, a valid zlib stream that is not compressed.
#pragma once

#include <cstddef>

using Bytef = unsigned char;
using uInt = unsigned int;
using uLong = unsigned long;
using uLongf = uLong;

inline constexpr int Z_OK = 0;
inline constexpr int Z_BUF_ERROR = -5;
inline constexpr int Z_DEFAULT_COMPRESSION = -1;

uLong crc32(uLong crc, const Bytef* buf, uInt len);
uLong compressBound(uLong sourceLen);
// Every level stores; Z_BUF_ERROR when destLen is too small.
int compress2(Bytef* dest, uLongf* destLen, const Bytef* source, uLong sourceLen, int level);
