// The store's places on the back ends that keep its values as files: a folder of the test's
// own in the temporary folder, emptied for each use and removed at the end, and a folder whose
// parent is a file.
#include <filesystem>
#include <fstream>
#include <string>

#include "back_end_driver.h"
#include "platform/file_system.h"

namespace contract {

namespace {

namespace fs = std::filesystem;

class Places {
public:
    Places() : root_(platform::makeTemporaryFolder("kestravan-contract-")) {}
    ~Places() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Places(const Places&) = delete;
    Places& operator=(const Places&) = delete;

    fs::path root() const { return root_; }

private:
    std::string root_;
};

fs::path root() {
    static const Places places;
    return places.root();
}

} // namespace

std::string freshStore() {
    std::error_code ignored;
    fs::remove_all(root() / "store", ignored);
    return (root() / "store").string();
}

std::string unusableStore() {
    std::ofstream(root() / "file") << "a file, not a folder";
    return (root() / "file" / "store").string();
}

} // namespace contract
