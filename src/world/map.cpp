// The map inside the game: loading "Terrain.dat" and every guarded read and write of a cell.
// Figures can flee off the map and Indians walk anywhere, so each access checks the grid:
// off the map the ground is Water and nothing stands.
#include <cstdio>
#include <string>

#include "platform/file_system.h"
#include "platform/system.h"
#include "shell/game.h"

namespace {

// A real map is a few hundred kilobytes; only the start of anything huge is read.
constexpr std::size_t TerrainFileLimit = 16u << 20;

void reportTerrainProblem(const std::string& problem) {
    const std::string line = "Terrain.dat: " + problem + "\n";
    platform::debugLine(line.c_str());
}

} // namespace

void Game::loadTerrain() {
    groundTiles.fill(Ground::Water);
    structureTiles.fill(Structure::Empty);

    platform::OpenFailure failure;
    std::FILE* file = platform::openRegularFile("Terrain.dat", &failure);
    if (file == nullptr) {
        // The same words on every system for a missing file or one that is not a file.
        reportTerrainProblem("cannot be opened (" +
                             (failure.missing ? std::string("missing") : failure.reason) +
                             "); the whole map is water");
        return;
    }
    std::string text;
    char chunk[65536];
    std::size_t got = 0;
    while (text.size() < TerrainFileLimit && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, got);
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);

    const TerrainReading reading = readTerrain(text.data(), text.size(), groundTiles.data());
    const std::string numbers =
        std::to_string(reading.numbersRead) + " of " + std::to_string(CellCount) + " numbers";
    if (readError) {
        reportTerrainProblem("reading failed after " + numbers + "; the rest of the map is water");
    } else if (reading.badNumber) {
        reportTerrainProblem("number " + std::to_string(reading.numbersRead + 1) +
                             " is not a number; the map holds " + numbers +
                             " and the rest is water");
    } else if (reading.numbersRead < CellCount) {
        reportTerrainProblem("holds only " + numbers + "; the rest of the map is water");
    } else if (reading.outOfRange > 0) {
        reportTerrainProblem(std::to_string(reading.outOfRange) +
                             " numbers lie outside 0..124 and were read as water");
    }
}

std::int32_t Game::groundAt(int x, int y) const {
    const int cell = mapCell(x, y);
    return cell < 0 ? Ground::Water : groundTiles[cell];
}

std::int32_t Game::structureAt(int x, int y) const {
    const int cell = mapCell(x, y);
    return cell < 0 ? Structure::Empty : structureTiles[cell];
}

void Game::setStructureAt(int x, int y, std::int32_t value) {
    const int cell = mapCell(x, y);
    if (cell >= 0) {
        structureTiles[cell] = value;
    }
}
