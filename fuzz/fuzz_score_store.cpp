// Any bytes as the stored "High Score": reading never fails hard, and whatever score it yields
// is stored and read back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/store.h"
#include "shell/best_score.h"

namespace {

const std::string& folder() {
    static const std::string path = [] {
        // A folder in memory where there is one: the target is all small file operations.
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/kestravan-fuzz-store-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        platform::setStoreFolder(pattern);
        return pattern;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = folder() + "/" + BestScoreName;
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    const std::int32_t score = readBestScore();
    if (!writeBestScore(score) || readBestScore() != score) {
        std::abort();
    }
    // The text reader alone, over exactly the bytes given.
    parseScoreText(reinterpret_cast<const char*>(data), size);
    return 0;
}
