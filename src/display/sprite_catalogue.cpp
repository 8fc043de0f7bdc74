// The sprite catalogue's table: which file fills which sprite, at what size, keyed or not,
// in the order the game loads them. The data generator paints its pictures from this list.
#include "display/sprite_catalogue.h"

#include <cstdio>
#include <string>

#include "display/sprite_numbers.h"

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

} // namespace

const std::vector<CatalogueEntry>& spriteCatalogue() {
    static const std::vector<CatalogueEntry> catalogue = expandedCatalogue();
    return catalogue;
}
