// Writing a game folder of a test's own: the map as text and seven short waves.
#include "support/game_folder.h"

#include <sstream>
#include <utility>

#include "world/terrain.h"

namespace {

void putLittle(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A PCM wave of 22,050 16-bit mono samples a second, the given number of milliseconds long.
std::string shortWave(int milliseconds) {
    constexpr std::uint32_t Rate = 22050;
    const std::uint32_t samples = Rate * static_cast<std::uint32_t>(milliseconds) / 1000;
    const std::uint32_t dataBytes = samples * 2;
    std::string wave = "RIFF";
    putLittle(wave, 36 + dataBytes, 4);
    wave += "WAVEfmt ";
    putLittle(wave, 16, 4);
    putLittle(wave, 1, 2);        // PCM
    putLittle(wave, 1, 2);        // mono
    putLittle(wave, Rate, 4);     // samples a second
    putLittle(wave, Rate * 2, 4); // bytes a second
    putLittle(wave, 2, 2);        // block align
    putLittle(wave, 16, 2);       // bits a sample
    wave += "data";
    putLittle(wave, dataBytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        putLittle(wave, (i / 25) % 2 == 0 ? 0x1000 : 0xF000, 2); // a quiet square wave
    }
    return wave;
}

} // namespace

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
    const std::string wave = shortWave(4);
    for (const char* name : {"Indian", "Cow", "Farm", "CowBoy", "Crush", "Splat", "Wind"}) {
        folder_.write(std::string("Data/") + name + ".wav", wave);
    }
}
