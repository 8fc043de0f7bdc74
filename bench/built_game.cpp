// Finding the built game data and starting the game on it.
#include "built_game.h"

#include <filesystem>
#include <vector>

#include "launch/data_folder.h"

namespace fs = std::filesystem;

BuiltGame::BuiltGame() {
    std::error_code error;
    const fs::path here = fs::current_path(error);
    const fs::path beside = fs::read_symlink("/proc/self/exe", error).parent_path() / "game";
    const std::vector<std::string> missing = missingGameFiles(here.string());
    fs::path folder = here;
    if (!missing.empty() && !missingGameFiles(beside.string()).empty()) {
        problem_ = "needs the built game data, and " + missing.front() +
                   " is missing here: build the game_data target, then cd build/game && "
                   "../kestravan-bench";
        return;
    }
    if (!missing.empty()) {
        folder = beside;
    }
    headless_ = std::make_unique<HeadlessGame>(folder.string());
    if (!headless_->start()) {
        problem_ = "the game did not start on the data in " + folder.string();
    }
}

bool BuiltGame::ready(benchmark::State& state) const {
    if (!ready()) {
        state.SkipWithError(("kestravan-bench: " + problem_).c_str());
        return false;
    }
    state.SetLabel("built game data");
    return true;
}
