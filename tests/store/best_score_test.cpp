// The best score between runs: what reading makes of the stored text, and a write that never
// leaves the old value half replaced.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

#include "platform/store.h"
#include "shell/best_score.h"
#include "support/temporary_folder.h"

namespace {

struct StoreFixture : ::testing::Test {
    StoreFixture() { platform::setStoreFolder(folder.path()); }
    ~StoreFixture() override { platform::setStoreFolder(""); }

    std::int32_t readWith(const std::string& bytes) {
        folder.write(BestScoreName, bytes);
        return readBestScore();
    }

    TemporaryFolder folder;
};

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_ino;
}

} // namespace

TEST_F(StoreFixture, StoredTextReadsByTheAtoiRulesWithinTheScoreBuffer) {
    EXPECT_EQ(readBestScore(), 0); // nothing stored yet
    const std::pair<std::string, std::int32_t> readings[] = {
        {"1234", 1234}, {"1234\n", 1234}, {"12ab", 12}, {"  \t-77", -77},
        {"+5", 5},      {"garbage", 0},   {"", 0},      {std::string{'9', '\0', '9', '9'}, 9}};
    // Beyond the 32-bit range a number stops at its ends; 19 digits fit the score buffer with
    // their zero, a longer value is unreadable.
    const std::pair<std::string, std::int32_t> longReadings[] = {
        {"99999999999", 2147483647},         {"-99999999999", -2147483648},
        {"1234567890123456789", 2147483647}, {std::string(25, '7'), 0},
        {std::string(20, '1'), 0},           {std::string(4000, ' ') + "5", 0}};
    for (const auto& [text, value] : readings) {
        EXPECT_EQ(readWith(text), value) << '"' << text << '"';
    }
    for (const auto& [text, value] : longReadings) {
        EXPECT_EQ(readWith(text), value) << text.size() << " characters";
    }
}

TEST_F(StoreFixture, ParsingNeverReadsPastTheGivenLength) {
    const char text[] = {'4', '2', '7'};
    EXPECT_EQ(parseScoreText(text, 2), 42);
    EXPECT_EQ(parseScoreText(text, 0), 0);
    EXPECT_EQ(parseScoreText("-", 1), 0);
}

TEST_F(StoreFixture, AWriteReplacesTheValueWholeAndLeavesNothingBehind) {
    ASSERT_TRUE(writeBestScore(1200));
    EXPECT_EQ(folder.read(BestScoreName), "1200\n");
    const ino_t before = inodeOf(folder.file(BestScoreName));

    ASSERT_TRUE(writeBestScore(-1500));
    EXPECT_EQ(readBestScore(), -1500);
    // A new file renamed over the old one, never the old one rewritten in place.
    EXPECT_NE(inodeOf(folder.file(BestScoreName)), before);

    using Files = std::filesystem::directory_iterator;
    EXPECT_EQ(std::distance(Files(folder.path()), Files()), 1);
}

TEST_F(StoreFixture, TheStoreFolderIsMadeWhenMissing) {
    platform::setStoreFolder(folder.file("deeper/still"));
    EXPECT_TRUE(platform::openStore());
    ASSERT_TRUE(writeBestScore(7));
    EXPECT_EQ(folder.read("deeper/still/High Score"), "7\n");
}

TEST_F(StoreFixture, AWriteThatCannotHappenKeepsTheOldValue) {
    ASSERT_TRUE(writeBestScore(300));
    // A folder standing where the value's file should be: the rename must fail.
    platform::setStoreFolder(folder.file("blocked"));
    folder.write("blocked/High Score/inside", "x");
    EXPECT_FALSE(writeBestScore(400));
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("blocked"))) {
        EXPECT_EQ(entry.path().filename(), "High Score"); // no temporary file left behind
    }
    platform::setStoreFolder(folder.path());
    EXPECT_EQ(readBestScore(), 300);
}
