// The generator itself: the same bytes on every run, review pictures on request, and no run at
// all on an option it does not know.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "game_files.h"
#include "support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

TEST(DataSet, AFreshRunWritesTheSameBytesAsTheBuildAndReviewPictures) {
    TemporaryFolder folder;
    const std::string game = folder.file("game");
    const std::string command = std::string(KESTRAVAN_DATAGEN) + " " + game + " --contact-sheet " +
                                folder.file("sheet.png") + " --map-picture " +
                                folder.file("map.png");
    ASSERT_EQ(std::system(command.c_str()), 0);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(game)) {
        if (entry.is_regular_file()) {
            ++files;
            const std::string relative = fs::relative(entry.path(), game).string();
            EXPECT_EQ(readFile(entry.path().string()), readFile(gameDataFolder() + "/" + relative))
                << relative;
        }
    }
    EXPECT_EQ(files, 166 + 2 + 7 + 1);
    for (const char* picture : {"sheet.png", "map.png"}) {
        EXPECT_EQ(readFile(folder.file(picture)).substr(0, 8), "\x89PNG\r\n\x1a\n") << picture;
    }
    const std::string unknown = std::string(KESTRAVAN_DATAGEN) + " --colour-me-red 2>/dev/null";
    EXPECT_NE(std::system(unknown.c_str()), 0);
}

} // namespace
