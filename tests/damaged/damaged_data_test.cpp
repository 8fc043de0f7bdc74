// The whole game on damaged data: each kind of data file missing, cut, replaced by a folder, a
// pipe or noise, or with absurd header fields, under a rough game of 200 frames (steering, a
// catch and a throw, a lost display, the menu). The game either plays on, naming on standard
// error every file it cannot use, or stops with its error message and status 1; it never
// hangs, never crashes, never trips a sanitizer and takes no more memory than on sound data.
// (A best-score store the game cannot read or cannot lock is the store tests' own.)
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/headless_game.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

enum class Outcome { PlaysOn, NamesAndPlays, Stops }; // Stops: "DirectSound Create FAILED"
enum class Kind { Missing, Folder, Pipe, Cut, Half, Noise, Field, FirstNumber };

// A damage, and what the game must make of it. A field is `size` little-endian bytes at `at`.
struct Row {
    const char* name;
    Kind kind;
    Outcome outcome;
    std::size_t at = 0;
    int size = 0;
    std::uint32_t value = 0;
};

std::string damaged(const std::string& bytes, const Row& row) {
    std::string out = bytes;
    std::uint32_t state = 2463534242u;
    switch (row.kind) {
    case Kind::Cut:
        return bytes.substr(0, row.at);
    case Kind::Half:
        return bytes.substr(0, bytes.size() / 2);
    case Kind::Noise:
        for (char& c : out) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            c = static_cast<char>(state);
        }
        return out;
    case Kind::Field:
        for (int i = 0; i < row.size; ++i) {
            out[row.at + i] = static_cast<char>(row.value >> (8 * i));
        }
        return out;
    default: // the map's first number written out in full
        return std::to_string(static_cast<std::int32_t>(row.value)) + bytes.substr(1);
    }
}

constexpr std::uint32_t Billion = 1000000000;
constexpr Outcome Names = Outcome::NamesAndPlays;

std::vector<Row> rowsFor(Outcome unusable, std::initializer_list<Row> own) {
    std::vector<Row> rows = {
        {"missing", Kind::Missing, unusable},           {"empty", Kind::Cut, unusable, 0},
        {"a folder", Kind::Folder, unusable},           {"a pipe", Kind::Pipe, unusable},
        {"cut in the header", Kind::Cut, unusable, 30}, {"random bytes", Kind::Noise, unusable},
        {"cut in the body", Kind::Half, Names}};
    rows.insert(rows.end(), own);
    return rows;
}

std::vector<Row> pictureRows() {
    return rowsFor(Names, {{"width 0", Kind::Field, Names, 18, 4, 0},
                           {"width negative", Kind::Field, Names, 18, 4, 0xFFFFFC00},
                           {"height 1e9", Kind::Field, Names, 22, 4, Billion},
                           {"width 0xFFFFFFFF", Kind::Field, Names, 18, 4, 0xFFFFFFFF},
                           {"pixels at 0xFFFFFFFF", Kind::Field, Names, 10, 4, 0xFFFFFFFF},
                           {"depth 0", Kind::Field, Names, 28, 2, 0},
                           {"depth 3", Kind::Field, Names, 28, 2, 3},
                           {"depth 64", Kind::Field, Names, 28, 2, 64},
                           // An 8-bit table has room for 256 colours whatever the count says.
                           {"1e9 colours", Kind::Field, Outcome::PlaysOn, 46, 4, Billion}});
}

// The game's sounds: the form, "fmt " (16 bytes), then "data".
std::vector<Row> waveRows() {
    const Outcome stops = Outcome::Stops;
    return rowsFor(stops, {{"form size 0xFFFFFFFF", Kind::Field, Outcome::PlaysOn, 4, 4, ~0u},
                           {"format size 1e9", Kind::Field, stops, 16, 4, Billion},
                           {"data size 0", Kind::Field, stops, 40, 4, 0},
                           {"data size negative", Kind::Field, Names, 40, 4, 0x80000000},
                           {"data size 1e9", Kind::Field, Names, 40, 4, Billion},
                           {"data size 0xFFFFFFFF", Kind::Field, Names, 40, 4, ~0u},
                           {"no channels", Kind::Field, stops, 22, 2, 0},
                           {"depth 0", Kind::Field, stops, 34, 2, 0},
                           {"depth 3", Kind::Field, stops, 34, 2, 3},
                           {"depth 64", Kind::Field, stops, 34, 2, 64}});
}

// The map: a decimal number a cell.
std::vector<Row> mapRows() {
    return rowsFor(Names, {{"a cell of 1e9", Kind::FirstNumber, Names, 0, 0, Billion},
                           {"a cell of -1", Kind::FirstNumber, Names, 0, 0, ~0u},
                           {"a cell of 0x7FFFFFFF", Kind::FirstNumber, Names, 0, 0, 0x7FFFFFFF}});
}

struct GameRun {
    int status = -1;
    std::string errors;
    long peakKilobytes = 0;
};

// A program run with its standard error kept, ended by SIGALRM after half a minute: a game
// that waits on a file fails its row instead of the suite.
GameRun runProgram(std::vector<std::string> arguments, const std::function<void()>& before = {}) {
    const TemporaryFolder out;
    const std::string errors = out.file("errors");
    const pid_t child = fork();
    if (child == 0) {
        if (before) {
            before();
        }
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (std::freopen("/dev/null", "w", stdout) && std::freopen(errors.c_str(), "w", stderr)) {
            alarm(30);
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    GameRun run;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.peakKilobytes = usage.ru_maxrss;
    }
    run.errors = out.read("errors");
    return run;
}

// kestravan-sim plays the rough game on the folder.
GameRun play(const std::string& folder) {
    return runProgram({KESTRAVAN_SIM, "--data", folder, "--frames", "200", "--script",
                       ROUGH_PLAY_SCRIPT, "--store-dir", folder + "/store"});
}

// A folder of links to the generated game folder's files, which a test damages one at a time;
// empty when there is no generated game folder.
bool linkGameFolder(const TemporaryFolder& folder) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        return false;
    }
    fs::create_directories(folder.file("Data"));
    for (const fs::path& file : fs::recursive_directory_iterator(gameDataFolder())) {
        if (!fs::is_directory(file)) {
            fs::create_symlink(file, folder.file(fs::relative(file, gameDataFolder())));
        }
    }
    return true;
}

struct DataFile {
    const char* name; // as the game spells it
    std::vector<Row> (*rows)();
};

class DamagedData : public ::testing::TestWithParam<DataFile> {};

} // namespace

TEST_P(DamagedData, TheGamePlaysOnNamingTheFileOrStopsWithItsMessage) {
    const TemporaryFolder folder;
    if (!linkGameFolder(folder)) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    const std::string gameName = GetParam().name;
    std::string path = gameName;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::ifstream in(fs::path(gameDataFolder()) / path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    for (const Row& row : GetParam().rows()) {
        SCOPED_TRACE(gameName + ", " + row.name);
        fs::remove_all(folder.file(path));
        if (row.kind == Kind::Folder) {
            folder.write(path + "/inside", "x");
        } else if (row.kind == Kind::Pipe) {
            mkfifo(folder.file(path).c_str(), 0600);
        } else if (row.kind != Kind::Missing) {
            folder.write(path, damaged(bytes, row));
        }
        const GameRun run = play(folder.path());
        EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors;
        EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
        // The game takes some 10 MB, 30 under the sanitizers; a lying header once took a
        // quarter of a gigabyte for one sound.
        EXPECT_LT(run.peakKilobytes, 96 * 1024);
        EXPECT_EQ(run.status, row.outcome == Outcome::Stops ? 1 : 0) << run.errors;
        const std::string said = row.outcome == Outcome::Stops ? "DirectSound Create FAILED"
                                 : row.outcome == Names        ? gameName
                                                               : "";
        EXPECT_NE(run.errors.find(said), std::string::npos) << run.errors;
    }
}

// Demos and scripts that are no demo: refused at once with status 2 and a message, in memory
// bounded by the 64 MB a demo may take.
TEST(DamagedDemo, AnOversizedEndlessOrStrangeDemoIsRefusedWithItsReason) {
    const TemporaryFolder folder;
    const std::string demo = folder.file("demo");
    const std::pair<std::function<std::string()>, const char*> demos[] = {
        {[&] { return folder.path(); }, "a folder"},
        {[&] { return mkfifo(demo.c_str(), 0600), demo; }, "a pipe"},
        {[&] { return std::string("/dev/zero"); }, "a device"},
        {[&] { return folder.write("demo", "1 lup\n"), truncate(demo.c_str(), 65L << 20), demo; },
         "larger than 64 MB"},
        {[&] { return folder.write("demo", "1 lup " + std::string(5000, ' ') + "\n"), demo; },
         "longer than 4096 characters"},
        {[&] { return folder.write("demo", "2147483648 lup\n"), demo; }, "100000000"},
        {[&] { return folder.write("demo", "100000001 lup\n"), demo; }, "100000000"},
        {[&] { return folder.write("demo", "1 \x1b[2Jx\n"), demo; }, "\\x1B[2Jx"},
    };
    for (const auto& [make, said] : demos) {
        SCOPED_TRACE(said);
        fs::remove_all(demo);
        const std::string path = make();
        std::vector<std::vector<std::string>> commands = {
            {KESTRAVAN_SIM, "--data", gameDataFolder(), "--script", path}};
#ifdef KESTRAVAN_GAME
        commands.push_back({KESTRAVAN_GAME, "--play", path});
#endif
        for (const auto& command : commands) {
            const GameRun run = runProgram(command);
            EXPECT_EQ(run.status, 2) << command[0] << ": " << run.errors;
            EXPECT_NE(run.errors.find(said), std::string::npos) << run.errors;
            EXPECT_EQ(run.errors.find('\x1b'), std::string::npos);
            EXPECT_LT(run.peakKilobytes, 160 * 1024);
        }
    }
    EXPECT_EQ(runProgram({KESTRAVAN_SIM, "--frames", "100000001"}).status, 2);
}

#ifdef KESTRAVAN_GAME
// A recording onto a full disk: a small memory file system of a private mount namespace where
// the machine allows one, /dev/full otherwise. The game, ended by SIGTERM as by the window's
// close button, says so and ends with status 1.
TEST(DamagedDemo, ARecordingOntoAFullDiskIsReportedAndEndsWithStatusOne) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    const TemporaryFolder folder;
    fs::create_directories(folder.file("disk"));
    const std::string disk = folder.file("disk");
    const bool ownDisk = [&] {
        const pid_t probe = fork();
        if (probe == 0) {
            _exit(unshare(CLONE_NEWNS) == 0 ? 0 : 1);
        }
        int status = 0;
        return waitpid(probe, &status, 0) == probe && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }();
    const std::string demo = ownDisk ? disk + "/demo" : "/dev/full";
    const auto fullDisk = [&] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_DATA_HOME", folder.file("home").c_str(), 1);
        if (ownDisk && (unshare(CLONE_NEWNS) != 0 ||
                        mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                        mount("kestravan", disk.c_str(), "tmpfs", 0, "size=16k") != 0)) {
            _exit(126);
        }
        if (ownDisk) {
            std::ofstream(disk + "/filler") << std::string(16384, 'x');
        }
        // SDL turns SIGTERM into the window's close.
        const pid_t game = getpid();
        if (fork() == 0) {
            sleep(3);
            kill(game, SIGTERM);
            _exit(0);
        }
    };
    const GameRun run = runProgram(
        {KESTRAVAN_GAME, "--data", gameDataFolder(), "--windowed", "--no-sound", "--record", demo},
        fullDisk);
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_NE(run.errors.find("cannot write the demo"), std::string::npos) << run.errors;
    std::error_code ignored;
    fs::remove("/dev/full.json", ignored); // beside /dev/full only when there is no disk
}
#endif

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfFile, DamagedData,
    ::testing::Values(DataFile{"Terrain.dat", mapRows}, DataFile{"Data\\Cow.bmp", pictureRows},
                      DataFile{"Data\\Frame_Top.bmp", pictureRows},
                      DataFile{"Data\\Splash.bmp", pictureRows},
                      DataFile{"Data\\Option.bmp", pictureRows},
                      DataFile{"Data\\Indian.wav", waveRows}, DataFile{"Data\\Cow.wav", waveRows},
                      DataFile{"Data\\Farm.wav", waveRows}, DataFile{"Data\\CowBoy.wav", waveRows},
                      DataFile{"Data\\Crush.wav", waveRows}, DataFile{"Data\\Splat.wav", waveRows},
                      DataFile{"Data\\Wind.wav", waveRows}),
    [](const ::testing::TestParamInfo<DataFile>& info) {
        std::string name = info.param.name;
        name = name.substr(name.find_last_of('\\') + 1);
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });
