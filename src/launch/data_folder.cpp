// Finding the game folder, and naming the files missing from it before the game stumbles on
// them.
#include "launch/data_folder.h"

#include <filesystem>

#include "platform/file_path.h"
#include "shell/game_files.h"

namespace fs = std::filesystem;

bool holdsGameData(const std::string& folder) {
    return !folder.empty() && missingGameFiles(folder).empty();
}

std::string chooseGameFolder(const std::vector<std::string>& places) {
    for (const std::string& place : places) {
        if (holdsGameData(place)) {
            return place;
        }
    }
    return std::string();
}

std::vector<std::string> gameFolderPlaces(const std::string& workingFolder,
                                          const std::string& executableFolder,
                                          const std::string& installedFolder,
                                          const std::string& dataFromBin) {
    std::vector<std::string> places = {workingFolder};
    if (!executableFolder.empty()) {
        places.push_back(executableFolder);
        // bin/kestravan beside share/kestravan, wherever the install was put.
        if (!dataFromBin.empty()) {
            places.push_back(
                (fs::path(executableFolder) / dataFromBin).lexically_normal().string());
        }
    }
    if (!installedFolder.empty()) {
        places.push_back(installedFolder);
    }
    return places;
}

std::vector<std::string> missingGameFiles(const std::string& folder) {
    std::vector<std::string> missing;
    for (const std::string& file : gameFiles()) {
        const std::string path = platform::nativePath(file.c_str());
        std::error_code ignored;
        if (!fs::is_regular_file(fs::path(folder) / path, ignored)) {
            missing.push_back(path);
        }
    }
    return missing;
}
