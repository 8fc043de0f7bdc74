// Reading "Terrain.dat": whitespace-separated numbers, 217 a row, rows from the top. Each
// number is read like the C library's base-guessing conversion: a leading 0x is hexadecimal,
// a leading 0 octal, at most 15 characters make one number, and the number ends at the first
// character that is not a digit of its base.
#include "world/terrain.h"

#include <algorithm>

namespace {

constexpr std::size_t NumberWidth = 15;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 10;
    }
    return 99;
}

// Reads one number from at most NumberWidth characters; false when they hold no digit.
bool readNumber(const char* text, std::size_t size, std::size_t& used, long long& value) {
    const std::size_t length = std::min(size, NumberWidth);
    std::size_t i = 0;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < length && text[i] == '0') {
        if (i + 2 < length && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
            digitValue(text[i + 2]) < 16) {
            base = 16;
            i += 2;
        } else {
            base = 8; // the leading 0 is itself an octal digit
        }
    }
    bool anyDigit = false;
    long long magnitude = 0;
    for (; i < length && digitValue(text[i]) < base; ++i) {
        anyDigit = true;
        // Fifteen characters hold at most 13 hexadecimal digits: no overflow here.
        magnitude = magnitude * base + digitValue(text[i]);
    }
    if (!anyDigit) {
        return false;
    }
    used = i;
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

TerrainReading readTerrain(const char* text, std::size_t size, std::int32_t* cells) {
    TerrainReading reading;
    std::size_t position = 0;
    for (int k = 0; k < CellCount; ++k) {
        while (position < size && isSpace(text[position])) {
            ++position;
        }
        if (position == size) {
            break;
        }
        std::size_t used = 0;
        long long value = 0;
        if (!readNumber(text + position, size - position, used, value)) {
            reading.badNumber = true;
            break;
        }
        position += used;
        if (value < 0 || value > Ground::LastTarget) {
            ++reading.outOfRange;
            value = Ground::Water;
        }
        const int column = k % MapColumns;
        const int row = k / MapColumns;
        cells[column * MapRows + row] = static_cast<std::int32_t>(value);
        reading.numbersRead = k + 1;
    }
    return reading;
}
