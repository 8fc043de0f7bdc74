// The generator itself: the same bytes on every run, review pictures on request, and no run at
// all on an option it does not know.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "game_files.h"
#include "support/command.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(DataSet, AFreshRunWritesTheSameBytesAsTheBuildAndReviewPictures) {
    TemporaryFolder folder;
    const std::string game = folder.file("game");
    const std::string command = quoted(KESTRAVAN_DATAGEN) + " " + quoted(game) +
                                " --contact-sheet " + quoted(folder.file("sheet.png")) +
                                " --map-picture " + quoted(folder.file("map.png")) + " --icons " +
                                quoted(folder.file("icons"));
    ASSERT_EQ(runCommand(command), 0);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(game)) {
        if (entry.is_regular_file()) {
            ++files;
            const std::string relative = fs::relative(entry.path(), game).string();
            EXPECT_EQ(readFile(entry.path().string()), readFile(gameDataFolder() + "/" + relative))
                << relative;
        }
    }
    EXPECT_EQ(files, 166 + 2 + 7 + 1 + 1); // sprites, screens, sounds, map, window icon
    // Pictures come out compressed: a flat-coloured review picture shrinks far below its
    // pixels' bytes. The icons are as wide as their folders say.
    const auto bigEndian = [](const std::string& bytes, std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) |
               (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) |
               static_cast<unsigned char>(bytes[at + 3]);
    };
    const std::string sheet = readFile(folder.file("sheet.png"));
    EXPECT_LT(sheet.size() * 10, std::size_t{3} * bigEndian(sheet, 16) * bigEndian(sheet, 20));
    const std::pair<const char*, unsigned> pictures[] = {
        {"map.png", 217 * 8},
        {"icons/hicolor/32x32/apps/kestravan.png", 32},
        {"icons/hicolor/256x256/apps/kestravan.png", 256},
    };
    for (const auto& [picture, width] : pictures) {
        const std::string bytes = readFile(folder.file(picture));
        EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n") << picture;
        EXPECT_EQ(bigEndian(bytes, 16), width) << picture;
    }
    EXPECT_NE(runCommand(quoted(KESTRAVAN_DATAGEN) + " --colour-me-red 2>" + NullDevice), 0);
}

} // namespace
