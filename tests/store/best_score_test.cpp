// The best score between runs: what reading makes of the stored text, a write that never
// leaves the old value half replaced nor lowers it, even with another game writing at the same
// time, and a failed write that says so.
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs the check in a child process of its own, as a second game would run.
pid_t inAnotherProcess(const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(check() ? 0 : 1);
    }
    return child;
}

bool succeeded(pid_t child) {
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

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

TEST_F(StoreFixture, TheStoreFolderIsMadeWhenMissing) {
    platform::setStoreFolder(folder.file("deeper/still"));
    EXPECT_TRUE(platform::openStore());
    ASSERT_TRUE(writeBestScore(7));
    EXPECT_EQ(folder.read("deeper/still/High Score"), "7\n");
}

TEST_F(StoreFixture, OnlyAHigherScoreReplacesTheStoredOneWholeLeavingNothingBehind) {
    // Stored text as the game reads it, a score to write, and what is stored afterwards.
    const std::tuple<std::string, std::int32_t, std::string> writes[] = {
        {"500\n", 400, "500\n"}, {"500\n", 500, "500\n"}, {"500\n", 501, "501\n"},
        {"12ab", 13, "13\n"},    {"garbage", 1, "1\n"},   {"garbage", 0, "garbage"},
        {"-40", -3, "-3\n"}};
    for (const auto& [stored, score, after] : writes) {
        folder.write(BestScoreName, stored);
        const ino_t before = inodeOf(folder.file(BestScoreName));
        EXPECT_TRUE(writeBestScore(score));
        EXPECT_EQ(folder.read(BestScoreName), after) << stored << " then " << score;
        // A new file renamed over the old one, never the old one rewritten in place.
        EXPECT_EQ(inodeOf(folder.file(BestScoreName)) != before, stored != after);
    }
    using Files = std::filesystem::directory_iterator;
    EXPECT_EQ(std::distance(Files(folder.path()), Files()), 1);
}

TEST_F(StoreFixture, AStoreTheGameCannotReadIsNamedOnceAndNeverWrittenOver) {
    alarm(20); // a store that makes the game wait fails the test, not the suite
    chmod(folder.path().c_str(), 0777);
    const std::string file = folder.file(BestScoreName);
    const std::pair<const char*, std::function<void()>> stores[] = {
        {"20 characters", [&] { folder.write(BestScoreName, "500" + std::string(17, ' ')); }},
        {"NULs", [&] { folder.write(BestScoreName, "5" + std::string(19, '\0')); }},
        {"20 digits", [&] { folder.write(BestScoreName, "12345678901234567890"); }},
        {"1 GB", [&] { folder.write(BestScoreName, "500"), truncate(file.c_str(), 1L << 30); }},
        {"a pipe", [&] { mkfifo(file.c_str(), 0600); }},
        {"mode 000", [&] { folder.write(BestScoreName, "500\n"), chmod(file.c_str(), 0); }},
    };
    for (const auto& [name, make] : stores) {
        std::filesystem::remove(file);
        make();
        struct stat before {};
        stat(file.c_str(), &before);
        // A game of the player's own, who cannot read a file of mode 000 as root could.
        const pid_t game = inAnotherProcess([&] {
            if (geteuid() == 0 && setgid(65534) + setuid(65534) != 0) {
                return false;
            }
            ::testing::internal::CaptureStderr();
            const bool playedOn = readBestScore() == 0 && !writeBestScore(2000000000);
            const std::string said = ::testing::internal::GetCapturedStderr();
            return playedOn && said.find(file) != std::string::npos &&
                   std::count(said.begin(), said.end(), '\n') == 1;
        });
        EXPECT_TRUE(succeeded(game)) << name;
        struct stat after {};
        stat(file.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
        EXPECT_EQ(after.st_size, before.st_size) << name;
    }
    alarm(0);
}

TEST_F(StoreFixture, TwoGamesWritingAtOnceNeverLoseTheHigherScore) {
    // Two processes raise the score in turns, one the odd numbers, the other the even ones;
    // each checks after every write it was told was kept that the store holds at least that,
    // and ends with the highest score kept as its status (a write may find the other game
    // holding the lock too long, and say so).
    const auto player = [](int first) {
        const pid_t child = fork();
        if (child == 0) {
            int highest = 0;
            for (int score = first; score <= 60; score += 2) {
                if (writeBestScore(score)) {
                    highest = score;
                    if (readBestScore() < score) {
                        _exit(255);
                    }
                }
            }
            _exit(highest);
        }
        int status = 0;
        return [child, status]() mutable {
            return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                            : 255;
        };
    };
    for (int round = 0; round < 5; ++round) {
        std::filesystem::remove(folder.file(BestScoreName));
        auto odd = player(1);
        auto even = player(2);
        const int highest = std::max(odd(), even());
        ASSERT_LT(highest, 255) << "round " << round;
        ASSERT_EQ(readBestScore(), highest) << "round " << round;
        EXPECT_GE(highest, 59) << "round " << round; // the lock is seldom held that long
    }
}

TEST_F(StoreFixture, AScoreThatCannotBeKeptIsReportedInOneLine) {
    ASSERT_TRUE(writeBestScore(300));
    // A file where the store's folder should be, a folder where the value's file should be.
    folder.write("file", "x");
    folder.write("blocked/High Score/inside", "x");
    const std::pair<std::string, std::string> blocked[] = {
        {folder.file("file/store"), "Not a directory"}, {folder.file("blocked"), "a folder"}};
    for (const auto& [store, reason] : blocked) {
        platform::setStoreFolder(store);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(writeBestScore(400));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("400"), std::string::npos) << said;
        EXPECT_NE(said.find(store), std::string::npos) << said;
        EXPECT_NE(said.find(reason), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("blocked"))) {
        EXPECT_EQ(entry.path().filename(), "High Score"); // no temporary file left behind
    }
    platform::setStoreFolder(folder.path());
    EXPECT_EQ(readBestScore(), 300);
}

// The write gives up after a short wait rather than hang the game (an endless wait would hold
// the test until ctest's timeout).
TEST_F(StoreFixture, AHeldLockCostsThisScoreOnlyAndSaysSoInOneLine) {
    ASSERT_TRUE(writeBestScore(300));
    const int held = open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(held, LOCK_EX), 0); // another game, stuck while it holds the lock
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(writeBestScore(400));
    const std::string said = ::testing::internal::GetCapturedStderr();
    close(held);
    EXPECT_NE(said.find("lock"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(readBestScore(), 300);
    EXPECT_TRUE(writeBestScore(400)); // the lock given back
}

TEST_F(StoreFixture, WithoutADataFolderNoScoreIsReadOrWrittenInTheWorkingDirectory) {
    folder.write(BestScoreName, "9000\n");
    const WorkingDirectory inside(folder.path());
    EXPECT_TRUE(succeeded(inAnotherProcess([&] {
        // The scripted back end's data folder lives under TMPDIR: there is none to be had.
        setenv("TMPDIR", folder.file("missing").c_str(), 1);
        platform::setStoreFolder("");
        return readBestScore() == 0 && !writeBestScore(9500);
    })));
    EXPECT_EQ(folder.read(BestScoreName), "9000\n");
}
