// The best score as it is kept between runs: decimal text under the name "High Score".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr const char* BestScoreName = "High Score";

// The number at the start of the text, by the C library's atoi rules (leading white space,
// an optional sign, digits up to the first non-digit; 0 without digits), reading no further
// than length. Numbers beyond the 32-bit range stop at its ends.
std::int32_t parseScoreText(const char* text, std::size_t length);

// The score as its decimal text: a minus sign when negative, no leading zeros.
std::string scoreText(std::int32_t score);

// The stored best score, or 0 when it is missing or unreadable.
std::int32_t readBestScore();

// Stores the score when it beats the best score stored now, which another game may have
// raised since this one started; the old value is replaced whole. False when the score could
// not be stored: then one line on standard error says where and why, and the game goes on.
bool writeBestScore(std::int32_t score);
