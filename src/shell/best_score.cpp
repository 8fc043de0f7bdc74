// Reading and writing the best score in the player's store.
#include "shell/best_score.h"

#include <cstdint>
#include <limits>

#include "platform/store.h"

namespace {
// The value is read into a buffer of 20 bytes, its terminating zero included.
constexpr std::size_t ScoreBufferSize = 20;
} // namespace

std::int32_t parseScoreText(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a negative number, which reaches one further than a positive one.
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 - (text[i] - '0');
        if (value < lowest) {
            value = lowest;
        }
    }
    if (!negative) {
        value = value == lowest ? std::numeric_limits<std::int32_t>::max() : -value;
    }
    return static_cast<std::int32_t>(value);
}

std::string scoreText(std::int32_t score) {
    return std::to_string(score);
}

std::int32_t readBestScore() {
    char buffer[ScoreBufferSize];
    std::size_t length = 0;
    if (!platform::readStoredValue(BestScoreName, buffer, sizeof buffer, length)) {
        return 0;
    }
    return parseScoreText(buffer, length);
}

bool writeBestScore(std::int32_t score) {
    const std::string text = scoreText(score);
    return platform::writeStoredValue(BestScoreName, text.c_str(), text.size());
}
