// The floor every other figure is measured against: a plain copy of one frame's 786,432 bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t FrameBytes = 1024 * 768;

void FrameCopyFloor(benchmark::State& state) {
    std::vector<std::uint8_t> from(FrameBytes, 7);
    std::vector<std::uint8_t> to(FrameBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), FrameBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * FrameBytes));
}
BENCHMARK(FrameCopyFloor);

} // namespace
