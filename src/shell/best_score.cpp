// Reading and writing the best score in the player's store.
#include "shell/best_score.h"

#include <cstdint>
#include <limits>

#include "platform/store.h"
#include "platform/system.h"

namespace {

// The value is read into a buffer of 20 bytes, its terminating zero included.
constexpr std::size_t ScoreBufferSize = 20;

// A store the game cannot read is named when the game starts, and again only when a score
// is not kept in a store that was readable then.
std::string reportedPlace;

void reportUnreadable(const platform::StoreFailure& failure, const std::string& outcome) {
    reportedPlace = failure.place;
    const std::string line = "Kestravan: the best score in " + failure.place + " cannot be read (" +
                             failure.reason + "); " + outcome + "\n";
    platform::debugLine(line.c_str());
}

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
    platform::StoreFailure failure;
    switch (platform::readStoredValue(BestScoreName, buffer, sizeof buffer, length, failure)) {
    case platform::StoredValue::Found:
        reportedPlace.clear();
        return parseScoreText(buffer, length);
    case platform::StoredValue::Unreadable:
        reportUnreadable(failure, "the game starts from 0 and leaves it as it is");
        return 0;
    default:
        return 0;
    }
}

bool writeBestScore(std::int32_t score) {
    const std::string text = scoreText(score);
    // The stored value counts as readBestScore reads it: a missing one is 0, and one that
    // cannot be read is left as it is.
    const auto beatsStored = [score](const char* stored, std::size_t length) {
        return stored == nullptr ? score > 0 : score > parseScoreText(stored, length);
    };
    platform::StoreFailure failure;
    const platform::StoreOutcome outcome = platform::replaceStoredValueIf(
        BestScoreName, text.c_str(), text.size(), ScoreBufferSize, beatsStored, failure);
    if (outcome == platform::StoreOutcome::Unreadable) {
        if (failure.place != reportedPlace) {
            reportUnreadable(failure, "the score " + text + " is not kept, to leave it as it is");
        }
        return false;
    }
    if (outcome != platform::StoreOutcome::Failed) {
        return true;
    }
    const std::string line = "Kestravan: the best score " + text + " is not kept this time in " +
                             failure.place + ": " + failure.reason + "\n";
    platform::debugLine(line.c_str());
    return false;
}
