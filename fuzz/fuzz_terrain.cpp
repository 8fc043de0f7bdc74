// Any bytes as "Terrain.dat": the reader stays inside its input and its cells, stores only
// ground values 0..124, and never claims more numbers than the map holds.
#include <array>
#include <cstdint>
#include <cstdlib>

#include "world/terrain.h"

namespace {

// The check of every cell is no part of the reader: kept out of the coverage the fuzzer
// steers by, it no longer costs a traced comparison a cell.
__attribute__((no_sanitize("coverage"))) bool
everyCellIsGround(const std::array<std::int32_t, CellCount>& cells) {
    for (std::int32_t cell : cells) {
        if (cell < 0 || cell > Ground::LastTarget) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::array<std::int32_t, CellCount> cells;
    cells.fill(Ground::Water);
    const TerrainReading reading =
        readTerrain(reinterpret_cast<const char*>(data), size, cells.data());
    if (reading.numbersRead < 0 || reading.numbersRead > CellCount) {
        std::abort();
    }
    if (!everyCellIsGround(cells)) {
        std::abort();
    }
    return 0;
}
