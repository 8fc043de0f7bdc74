// The data set on disk. Each file is written whole to a temporary name and then renamed, so
// an interrupted run never leaves a half-written picture behind a finished-looking name.
#include "datagen/data_set.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "datagen/bmp_writer.h"
#include "datagen/catalogue.h"
#include "datagen/icon.h"
#include "datagen/sounds.h"
#include "datagen/wav_writer.h"
#include "datagen/world_map.h"

namespace datagen {

namespace fs = std::filesystem;

namespace {

bool writeFile(const fs::path& path, const void* bytes, std::size_t size, std::string& error) {
    const fs::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        if (!out) {
            error = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code failure;
    fs::rename(temporary, path, failure);
    if (failure) {
        error = "cannot rename " + temporary.string() + ": " + failure.message();
        return false;
    }
    return true;
}

bool writePicture(const fs::path& folder, const Picture& picture, std::string& error) {
    if (!picture.paint) {
        error = picture.file + " has no painter";
        return false;
    }
    const Canvas canvas = picture.paint();
    if (canvas.width() != picture.width || canvas.height() != picture.height) {
        error = picture.file + " was painted at the wrong size";
        return false;
    }
    const std::vector<std::uint8_t> bytes = encodeBitmap(canvas);
    return writeFile(folder / picture.file, bytes.data(), bytes.size(), error);
}

} // namespace

bool writeDataSet(const std::string& folder, std::string& error) {
    const fs::path root(folder);
    std::error_code failure;
    fs::create_directories(root / "Data", failure);
    if (failure) {
        error = "cannot make " + (root / "Data").string() + ": " + failure.message();
        return false;
    }
    for (const auto* list : {&spriteCatalogue(), &fullScreenPictures()}) {
        for (const Picture& picture : *list) {
            if (!writePicture(root, picture, error)) {
                return false;
            }
        }
    }
    // The window's icon, keyed like the sprites.
    const std::vector<std::uint8_t> icon = encodeBitmap(paintGameIcon(48));
    if (!writeFile(root / "Data" / "Icon.bmp", icon.data(), icon.size(), error)) {
        return false;
    }
    for (const Sound& sound : gameSounds()) {
        const std::vector<std::uint8_t> bytes = encodeWave(sound.synthesise(), sound.bits);
        if (!writeFile(root / sound.file, bytes.data(), bytes.size(), error)) {
            return false;
        }
    }
    const std::string terrain = generateTerrain().text();
    return writeFile(root / "Terrain.dat", terrain.data(), terrain.size(), error);
}

} // namespace datagen
