// Writing a game folder of a test's own: the map as text and seven short waves.
#include "support/game_folder.h"

#include <sstream>
#include <utility>

#include "support/wave_bytes.h"
#include "world/terrain.h"

GameFolder::GameFolder(std::int32_t ground) : ground_(CellCount, ground) {}

void GameFolder::setGround(int column, int row, std::int32_t value) {
    ground_.at(static_cast<std::size_t>(column * MapRows + row)) = value;
}

void GameFolder::draw(int column, int row, std::initializer_list<const char*> picture) {
    const std::pair<char, std::int32_t> cells[] = {{'.', Ground::Grass},
                                                   {'~', Ground::Water},
                                                   {'#', Ground::Building},
                                                   {'t', Ground::Target001}};
    for (const char* line : picture) {
        for (int c = 0; line[c] != '\0'; ++c) {
            for (const auto& [symbol, ground] : cells) {
                if (line[c] == symbol) {
                    setGround(column + c, row, ground);
                }
            }
        }
        ++row;
    }
}

void GameFolder::write() const {
    std::ostringstream terrain;
    for (int row = 0; row < MapRows; ++row) {
        for (int column = 0; column < MapColumns; ++column) {
            terrain << ground_[static_cast<std::size_t>(column * MapRows + row)]
                    << (column + 1 < MapColumns ? ' ' : '\n');
        }
    }
    folder_.write("Terrain.dat", terrain.str());
    const std::string wave = wave::file(1, 22050, 16, wave::samples(176)); // 4 ms
    for (const char* name : {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"}) {
        folder_.write(std::string("Data/") + name + ".wav", wave);
    }
}
