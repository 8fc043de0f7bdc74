// The whole game on damaged data: each kind of data file missing, cut, replaced by a folder or
// by noise, or with absurd header fields, under a rough game of a few hundred frames (steering,
// a catch and a throw, a lost display, the menu). The game either plays on, naming on standard
// error every file it cannot use, or stops with its error message and status 1; it never
// crashes, never trips a sanitizer and takes no more memory than on sound data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/headless_game.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

enum class Outcome {
    PlaysOn,       // the file is still of use, or its flaw is harmless
    NamesAndPlays, // plays on and names the file on standard error
    Stops,         // "DirectSound Create FAILED", status 1
};

struct Damage {
    const char* name;
    // What the damage makes of the file's bytes; none: the file is missing; a folder stands
    // in its place when folder is set.
    std::function<std::string(const std::string&)> bytes;
    bool folder = false;
};

std::function<std::string(const std::string&)> missing() {
    return nullptr;
}

std::function<std::string(const std::string&)> firstBytes(std::size_t count) {
    return [count](const std::string& bytes) { return bytes.substr(0, count); };
}

std::function<std::string(const std::string&)> half() {
    return [](const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); };
}

// As many bytes as the file had, from a fixed little generator.
std::function<std::string(const std::string&)> noise() {
    return [](const std::string& bytes) {
        std::string out(bytes.size(), '\0');
        std::uint32_t state = 2463534242u;
        for (char& c : out) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            c = static_cast<char>(state);
        }
        return out;
    };
}

// The file with a little-endian field of size bytes at offset set to value.
std::function<std::string(const std::string&)> field(std::size_t offset, int size,
                                                     std::uint32_t value) {
    return [=](const std::string& bytes) {
        std::string out = bytes;
        for (int i = 0; i < size && offset + i < out.size(); ++i) {
            out[offset + i] = static_cast<char>(value >> (8 * i));
        }
        return out;
    };
}

std::function<std::string(const std::string&)> text(const std::string& replacement) {
    return [replacement](const std::string&) { return replacement; };
}

struct Row {
    Damage damage;
    Outcome outcome;
};

constexpr std::uint32_t Billion = 1000000000;

std::vector<Row> commonRows(Outcome unusable) {
    return {{{"missing", missing()}, unusable},
            {{"empty", text("")}, unusable},
            {{"a folder", missing(), true}, unusable},
            {{"cut in the header", firstBytes(30)}, unusable},
            {{"random bytes", noise()}, unusable}};
}

// Any picture: the sprite, the palette picture, the splash and the menu.
std::vector<Row> pictureRows() {
    std::vector<Row> rows = commonRows(Outcome::NamesAndPlays);
    const Outcome names = Outcome::NamesAndPlays;
    rows.insert(rows.end(), {{{"cut in the pixels", half()}, names},
                             {{"width 0", field(18, 4, 0)}, names},
                             {{"width negative", field(18, 4, 0xFFFFFC00)}, names},
                             {{"height 1e9", field(22, 4, Billion)}, names},
                             {{"width 0xFFFFFFFF", field(18, 4, 0xFFFFFFFF)}, names},
                             {{"pixels at 0xFFFFFFFF", field(10, 4, 0xFFFFFFFF)}, names},
                             {{"depth 0", field(28, 2, 0)}, names},
                             {{"depth 3", field(28, 2, 3)}, names},
                             {{"depth 64", field(28, 2, 64)}, names},
                             // An 8-bit picture's table has room for 256 colours whatever
                             // the count says.
                             {{"1e9 colours", field(46, 4, Billion)}, Outcome::PlaysOn}});
    return rows;
}

// Any sound: the form, then "fmt " (16 bytes) and "data" as the game's files lay them out.
std::vector<Row> waveRows() {
    std::vector<Row> rows = commonRows(Outcome::Stops);
    const Outcome names = Outcome::NamesAndPlays;
    rows.insert(rows.end(), {{{"cut in the samples", half()}, names},
                             {{"form size 0xFFFFFFFF", field(4, 4, 0xFFFFFFFF)}, Outcome::PlaysOn},
                             {{"format size 1e9", field(16, 4, Billion)}, Outcome::Stops},
                             {{"data size 0", field(40, 4, 0)}, Outcome::Stops},
                             {{"data size negative", field(40, 4, 0x80000000)}, names},
                             {{"data size 1e9", field(40, 4, Billion)}, names},
                             {{"data size 0xFFFFFFFF", field(40, 4, 0xFFFFFFFF)}, names},
                             {{"no channels", field(22, 2, 0)}, Outcome::Stops},
                             {{"depth 0", field(34, 2, 0)}, Outcome::Stops},
                             {{"depth 3", field(34, 2, 3)}, Outcome::Stops},
                             {{"depth 64", field(34, 2, 64)}, Outcome::Stops}});
    return rows;
}

// The map: decimal numbers a cell.
std::vector<Row> mapRows() {
    std::vector<Row> rows = commonRows(Outcome::NamesAndPlays);
    const Outcome names = Outcome::NamesAndPlays;
    const auto first = [](const std::string& number) {
        return [number](const std::string& bytes) { return number + bytes.substr(1); };
    };
    rows.insert(rows.end(), {{{"cut in the cells", half()}, names},
                             {{"a cell of 1e9", first("1000000000")}, names},
                             {{"a cell of -1", first("-1")}, names},
                             {{"a cell of 0xFFFFFFFF", first("4294967295")}, names},
                             {{"a cell past any number", first(std::string(40, '9'))}, names}});
    return rows;
}

struct DataFile {
    const char* name; // as the game spells it
    std::vector<Row> (*rows)();
};

void PrintTo(const DataFile& file, std::ostream* out) {
    *out << file.name;
}

struct GameRun {
    int status = -1;
    std::string errors;
    long peakKilobytes = 0;
};

// kestravan-sim plays the rough game on the folder.
GameRun play(const std::string& folder) {
    const TemporaryFolder out;
    const std::string errors = out.file("errors");
    const std::string store = folder + "/store";
    const pid_t child = fork();
    if (child == 0) {
        const bool redirected = std::freopen("/dev/null", "w", stdout) != nullptr &&
                                std::freopen(errors.c_str(), "w", stderr) != nullptr;
        if (redirected) {
            execl(KESTRAVAN_SIM, KESTRAVAN_SIM, "--data", folder.c_str(), "--frames", "200",
                  "--script", ROUGH_PLAY_SCRIPT, "--store-dir", store.c_str(),
                  static_cast<char*>(nullptr));
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

// The generated game folder, every file a link to its own.
void linkGameFolder(const TemporaryFolder& folder) {
    const fs::path source = gameDataFolder();
    fs::create_directories(folder.file("Data"));
    fs::create_symlink(source / "Terrain.dat", folder.file("Terrain.dat"));
    for (const fs::path& file : fs::directory_iterator(source / "Data")) {
        fs::create_symlink(file, folder.file("Data/" + file.filename().string()));
    }
}

// Puts the damaged file in the place of the one there.
void damage(const TemporaryFolder& folder, const std::string& path, const Damage& damage) {
    fs::remove_all(folder.file(path));
    if (damage.folder) {
        folder.write(path + "/inside", "x");
    } else if (damage.bytes) {
        std::ifstream in(fs::path(gameDataFolder()) / path, std::ios::binary);
        folder.write(path, damage.bytes(std::string(std::istreambuf_iterator<char>(in), {})));
    }
}

long soundPeakKilobytes() {
    static const long peak = [] {
        const TemporaryFolder folder;
        linkGameFolder(folder);
        const GameRun run = play(folder.path());
        EXPECT_EQ(run.status, 0) << run.errors;
        return run.peakKilobytes;
    }();
    return peak;
}

class DamagedData : public ::testing::TestWithParam<DataFile> {};

} // namespace

TEST_P(DamagedData, TheGamePlaysOnNamingTheFileOrStopsWithItsMessage) {
    if (!fs::exists(fs::path(gameDataFolder()) / "Terrain.dat")) {
        GTEST_SKIP() << "no generated game folder at " << gameDataFolder();
    }
    const std::string gameName = GetParam().name;
    std::string path = gameName;
    std::replace(path.begin(), path.end(), '\\', '/');
    const long soundPeak = soundPeakKilobytes();
    const TemporaryFolder folder;
    linkGameFolder(folder);
    for (const Row& row : GetParam().rows()) {
        SCOPED_TRACE(gameName + ", " + row.damage.name);
        damage(folder, path, row.damage);
        const GameRun run = play(folder.path());
        EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors;
        EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
        // A lying header once cost hundreds of megabytes; a few for a bigger stack of
        // error text is fine.
        EXPECT_LT(run.peakKilobytes, soundPeak + 16 * 1024);
        if (row.outcome == Outcome::Stops) {
            EXPECT_EQ(run.status, 1) << run.errors;
            EXPECT_NE(run.errors.find("DirectSound Create FAILED"), std::string::npos)
                << run.errors;
            continue;
        }
        EXPECT_EQ(run.status, 0) << run.errors;
        if (row.outcome == Outcome::NamesAndPlays) {
            EXPECT_NE(run.errors.find(gameName), std::string::npos) << run.errors;
        }
    }
}

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
