// Any bytes as a wave file: the reader stays inside its input, hands out no more data than the
// input holds, gives the same data again after a rewind, and frees everything it took. The
// chunk walk underneath gives the same answers whatever the size of its buffer.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "sound/chunk_stream.h"
#include "sound/wave_reader.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every data byte the reader hands out, read in pieces of the given size.
std::vector<std::uint8_t> readData(WaveReader& reader, std::uint32_t piece) {
    std::vector<std::uint8_t> data;
    std::uint8_t scratch[4096];
    for (;;) {
        std::uint32_t got = 0;
        const HResult result = reader.read(scratch, piece, &got);
        check(result == S_OK || result == E_FAIL);
        check(got <= piece);
        data.insert(data.end(), scratch, scratch + got);
        if (result != S_OK || got == 0) {
            return data;
        }
    }
}

struct Step {
    bool found;
    ChunkInfo chunk;
};

// The form, then each chunk inside it in turn.
std::vector<Step> walk(const std::uint8_t* bytes, std::size_t size, std::size_t bufferBytes) {
    ChunkStream stream(bufferBytes);
    std::vector<Step> steps;
    if (!stream.openMemory(bytes, size)) {
        return steps;
    }
    Step form{};
    form.found = stream.descend(form.chunk);
    steps.push_back(form);
    for (int i = 0; form.found && i < 64; ++i) {
        Step step{};
        step.found = stream.descend(step.chunk, &form.chunk);
        steps.push_back(step);
        if (!step.found || !stream.ascend(step.chunk)) {
            break;
        }
    }
    return steps;
}

bool same(const std::vector<Step>& a, const std::vector<Step>& b) {
    const auto fields = [](const Step& step) {
        const ChunkInfo c = step.found ? step.chunk : ChunkInfo{};
        return std::tuple(step.found, c.id, c.size, c.formType, c.dataOffset);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const Step& x, const Step& y) { return fields(x) == fields(y); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    {
        WaveReader reader;
        const HResult opened = reader.openMemory(bytes, size);
        check(opened == S_OK || opened == E_FAIL);
        check(opened == S_OK || reader.dataSize() == 0);
        check(reader.dataSize() <= size); // no clip larger than its file

        if (reader.format != nullptr && reader.format->formatTag == 1) {
            check(reader.format->extraSize == 0);
        }
        if (opened == S_OK) {
            const std::uint32_t piece = 1 + (size > 0 ? bytes[size - 1] % 4096 : 0);
            const std::vector<std::uint8_t> first = readData(reader, piece);
            check(first.size() <= size && first.size() <= reader.dataSize());
            check(reader.rewind() == S_OK);
            const std::vector<std::uint8_t> again = readData(reader, 4096);
            // A piece that runs off the end of a short file is not counted, so one pass may
            // stop earlier than the other; what both handed out is the same.
            const std::size_t common = std::min(first.size(), again.size());
            check(std::equal(first.begin(), first.begin() + common, again.begin()));
        }
    } // the reader goes here, with whatever it holds

    const std::size_t small = 1 + (size > 0 ? bytes[0] % 17 : 0);
    check(same(walk(bytes, size, small), walk(bytes, size, ChunkStream::DefaultBufferBytes)));
    return 0;
}
