// A game folder of a test's own: a map drawn cell by cell in the test and the seven wave files
// the game will not start without, each only a few milliseconds long. No pictures: the game
// starts without them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/temporary_folder.h"

class GameFolder {
public:
    // The whole map of one ground value, grass unless told otherwise.
    explicit GameFolder(std::int32_t ground = 1);

    void setGround(int column, int row, std::int32_t value);
    // Draws rows of cells with their top-left cell at (column, row): '.' grass, '~' water,
    // '#' a building, 't' the first target tile; any other character leaves its cell alone.
    void draw(int column, int row, std::initializer_list<const char*> picture);

    // Writes Terrain.dat and Data/*.wav; call once the map is drawn.
    void write() const;
    // Adds a file of the test's own, e.g. "Data/Splash.bmp".
    void addFile(const std::string& name, const std::string& bytes) const {
        folder_.write(name, bytes);
    }
    const std::string& path() const { return folder_.path(); }

private:
    TemporaryFolder folder_;
    std::vector<std::int32_t> ground_; // column by column, as the game keeps it
};

// An all-grass game folder, written at once.
struct ReadyFolder : GameFolder {
    ReadyFolder() { write(); }
};
