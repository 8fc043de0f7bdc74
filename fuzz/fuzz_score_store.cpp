// Any bytes as the stored "High Score": reading never fails hard; a score read from the bytes
// is stored and read back unchanged, and bytes the game cannot read as a score are never
// written over.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/headless/headless.h"
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
        platform::removeAfterExit(pattern);
        platform::setStoreFolder(pattern);
        return pattern;
    }();
    return path;
}

std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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

    char buffer[20];
    std::size_t length = 0;
    platform::StoreFailure failure;
    const bool readable = platform::readStoredValue(BestScoreName, buffer, sizeof buffer, length,
                                                    failure) != platform::StoredValue::Unreadable;
    const std::int32_t score = readBestScore();
    if (readable ? !writeBestScore(score) || readBestScore() != score
                 : writeBestScore(2147483647) ||
                       contents(file) != std::string(reinterpret_cast<const char*>(data), size)) {
        std::abort();
    }
    // The text reader alone, over exactly the bytes given.
    parseScoreText(reinterpret_cast<const char*>(data), size);
    headless::reset(); // the lines said about unreadable stores
    return 0;
}
