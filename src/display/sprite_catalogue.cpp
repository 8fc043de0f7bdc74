// Loading the sprite pictures: every file of the catalogue into a fresh off-screen surface of
// the catalogue's size, with the transparent colour set on the keyed ones. Runs once, at
// start-up: the surfaces are the game's own memory, which no display takes away.
#include "display/sprite_catalogue.h"

#include <cstdio>
#include <memory>
#include <string>

#include "display/sprite_numbers.h"
#include "formats/image.h"
#include "platform/system.h"
#include "platform/video.h"
#include "shell/game.h"

namespace {

namespace S = Sprite;

// A run of pictures with the same size and key, numbered from `first`. A run of more than one
// picture names its files with a pattern numbered from 1.
struct CatalogueRun {
    int first;
    const char* file;
    int width;
    int height;
    bool keyed;
    int count = 1;
};

constexpr bool Key = true;
constexpr bool NoKey = false;

constexpr CatalogueRun LoadOrder[] = {
    {S::Cursor, "Data\\Cursor.bmp", 32, 32, Key},
    {S::Character, "Data\\Character.bmp", 128, 32, Key},
    {Ground::Water, "Data\\Water.bmp", 128, 32, NoKey},
    {Ground::Grass, "Data\\Grass.bmp", 128, 32, NoKey},
    {Ground::LeftBank, "Data\\LeftBank.bmp", 128, 32, NoKey},
    {Ground::RightBank, "Data\\RightBank.bmp", 128, 32, NoKey},
    {Ground::TopBank, "Data\\TopBank.bmp", 128, 32, NoKey},
    {Ground::BottomBank, "Data\\BottomBank.bmp", 128, 32, NoKey},
    {Ground::BotLftBank, "Data\\BotLftBank.bmp", 128, 32, NoKey},
    {Ground::BotRhtBank, "Data\\BotRhtBank.bmp", 128, 32, NoKey},
    {Ground::TopRhtBank, "Data\\TopRhtBank.bmp", 128, 32, NoKey},
    {Ground::TopLftBank, "Data\\TopLftBank.bmp", 128, 32, NoKey},
    {Ground::Building, "Data\\Building.bmp", 128, 32, NoKey},
    {Ground::Collumn, "Data\\Collumn.bmp", 128, 32, NoKey},
    {Ground::DropBomb, "Data\\DropBomb.bmp", 128, 32, NoKey},
    {Ground::Buinldinm_Top, "Data\\Buinldinm_Top.bmp", 128, 32, NoKey},
    {Ground::Blast, "Data\\Blast.bmp", 128, 32, NoKey},
    {Ground::Burnt, "Data\\Burnt.bmp", 128, 32, NoKey},
    {S::Target001, "Data\\Target%03d.bmp", 128, 32, NoKey, S::Target109 - S::Target001 + 1},
    {S::StructureBase + Structure::Tepee, "Data\\Tepee.bmp", 128, 32, Key},
    {S::StructureBase + Structure::TepeeDown, "Data\\TepeeDown.bmp", 128, 32, Key},
    {S::StructureBase + Structure::FarmHouse, "Data\\FarmHouse.bmp", 128, 32, Key},
    {S::StructureBase + Structure::FarmHouseDown, "Data\\FarmHouseDown.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_RLSide, "Data\\Fence_RLSide.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_TBSide, "Data\\Fence_TBSide.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_TLCorner, "Data\\Fence_TLCorner.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_TRCorner, "Data\\Fence_TRCorner.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_BLCorner, "Data\\Fence_BLCorner.bmp", 128, 32, Key},
    {S::StructureBase + Structure::Fence_BRCorner, "Data\\Fence_BRCorner.bmp", 128, 32, Key},
    {S::Flying_Indian, "Data\\Flying_Indian.bmp", 22, 22, Key},
    {S::Fallen_Indian, "Data\\Fallen_Indian.bmp", 22, 22, Key},
    {S::Flying_Farmer, "Data\\Flying_Farmer.bmp", 22, 22, Key},
    {S::Fallen_Farmer, "Data\\Fallen_Farmer.bmp", 22, 22, Key},
    {S::Flying_Cow, "Data\\Flying_Cow.bmp", 22, 22, Key},
    {S::Fallen_Cow, "Data\\Fallen_Cow.bmp", 22, 22, Key},
    {S::Flying_CowBoy, "Data\\Flying_CowBoy.bmp", 22, 22, Key},
    {S::Fallen_CowBoy, "Data\\Fallen_CowBoy.bmp", 22, 22, Key},
    {S::Indian, "Data\\Indian.bmp", 22, 22, Key},
    {S::Cannoe, "Data\\Cannoe.bmp", 22, 22, Key},
    {S::Farmer, "Data\\Farmer.bmp", 22, 22, Key},
    {S::Cow, "Data\\Cow.bmp", 22, 22, Key},
    {S::CowBoy, "Data\\CowBoy.bmp", 22, 22, Key},
    {S::Indian_Down, "Data\\Indian_Down.bmp", 60, 60, NoKey},
    {S::Indian_Up, "Data\\Indian_Up.bmp", 60, 60, NoKey},
    {S::Farmer_Down, "Data\\Farmer_Down.bmp", 60, 60, NoKey},
    {S::Farmer_Up, "Data\\Farmer_Up.bmp", 60, 60, NoKey},
    {S::Cow_Down, "Data\\Cow_Down.bmp", 60, 60, NoKey},
    {S::Cow_Up, "Data\\Cow_Up.bmp", 60, 60, NoKey},
    {S::CowBoy_Down, "Data\\CowBoy_Down.bmp", 60, 60, NoKey},
    {S::CowBoy_Up, "Data\\CowBoy_Up.bmp", 60, 60, NoKey},
    {S::Wind_Speed_Down, "Data\\Wind_Speed_Down.bmp", 60, 120, NoKey},
    {S::Wind_Speed_Up, "Data\\Wind_Speed_Up.bmp", 60, 120, NoKey},
    {S::Wind_Direction_Down, "Data\\Wind_Direction_Down.bmp", 120, 120, NoKey},
    {S::Wind_Direction_Up, "Data\\Wind_Direction_Up.bmp", 120, 120, NoKey},
    {S::Frame_Top, "Data\\Frame_Top.bmp", 1024, 32, NoKey},
    {S::Frame_Bottom, "Data\\Frame_Bottom.bmp", 1024, 159, NoKey},
    {S::Frame_Side_R, "Data\\Frame_Side_R.bmp", 32, 577, NoKey},
    {S::Frame_Side_L, "Data\\Frame_Side_L.bmp", 32, 577, NoKey},
};

std::vector<CatalogueEntry> expandedCatalogue() {
    std::vector<CatalogueEntry> entries;
    for (const CatalogueRun& run : LoadOrder) {
        if (run.count == 1) {
            entries.push_back({run.first, run.file, run.width, run.height, run.keyed});
            continue;
        }
        for (int i = 0; i < run.count; ++i) {
            char file[64];
            std::snprintf(file, sizeof file, run.file, i + 1);
            entries.push_back({run.first + i, file, run.width, run.height, run.keyed});
        }
    }
    return entries;
}

// The pictures of the current catalogue load that could not be read.
struct MissingPictures {
    int count = 0;
    std::string first;
};
MissingPictures missingPictures;

} // namespace

const std::vector<CatalogueEntry>& spriteCatalogue() {
    static const std::vector<CatalogueEntry> catalogue = expandedCatalogue();
    return catalogue;
}

void Game::loadSprites() {
    missingPictures = MissingPictures{};
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        platform::Surface** target = entry.sprite == Sprite::Cursor ? &cursorSurface
                                     : entry.sprite == Sprite::Character
                                         ? &characterSurface
                                         : &spriteSurfaces[entry.sprite];
        loadBitmapSurface(target, SurfaceDesc{entry.width, entry.height}, entry.file.c_str());
        if (entry.keyed && *target != nullptr) {
            (*target)->setColorKey(true);
        }
    }
    // The game plays on without them; whoever runs it hears of it once.
    if (missingPictures.count > 0) {
        const std::string line = std::to_string(missingPictures.count) +
                                 " sprite pictures are missing or unreadable, first " +
                                 missingPictures.first + "\n";
        platform::debugLine(line.c_str());
    }
}

void Game::loadBitmapSurface(platform::Surface** target, SurfaceDesc desc, const char* fileName) {
    if (target == nullptr || directDraw == nullptr) {
        return;
    }
    const std::unique_ptr<platform::Image> image = platform::loadImage(fileName);
    if (image == nullptr && missingPictures.count++ == 0) {
        missingPictures.first = fileName != nullptr ? fileName : "";
    }
    // A reload gives the old surface back and fills a fresh one.
    platform::Surface* old = *target;
    platform::createSurface(directDraw, desc.width, desc.height, target);
    if (old != nullptr) {
        platform::releaseSurface(directDraw, old);
    }
    platform::Surface* surface = *target;
    if (surface == nullptr || platform::getDC(directDraw, surface) != S_OK) {
        return;
    }
    // A missing or unreadable file leaves the surface as it was made.
    if (image != nullptr && palette != nullptr) {
        platform::copyImage(*image, *surface, desc.width, desc.height, *palette);
    }
    platform::releaseDC(directDraw, surface);
}
