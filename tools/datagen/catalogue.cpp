// The painters of the game's pictures, keyed by sprite number. Which sprites there are, their
// files, sizes and keys come from the game's own catalogue; this file only says who paints each.
#include "datagen/catalogue.h"

#include <map>
#include <string>

#include "datagen/art.h"
#include "datagen/ground.h"
#include "display/sprite_catalogue.h"
#include "display/sprite_numbers.h"

namespace datagen {

namespace {

using Painter = std::function<Canvas()>;

// Ground and structure pictures fill the left 32 x 32 of a 128 x 32 tile surface.
Painter tiled(Painter paint) {
    return [paint = std::move(paint)] { return tileSurface(paint()); };
}

std::map<int, Painter> painters() {
    std::map<int, Painter> table = {
        {Sprite::Cursor, paintCursor},
        {Sprite::Character, paintWhirlwind},
        {Ground::Water, tiled(paintWater)},
        {Ground::Grass, tiled(paintGrass)},
        {Ground::Building, tiled(paintBuilding)},
        {Ground::Collumn, tiled(paintColumn)},
        {Ground::DropBomb, tiled(paintDropBomb)},
        {Ground::Buinldinm_Top, tiled(paintBuildingTop)},
        {Ground::Blast, tiled(paintBlast)},
        {Ground::Burnt, tiled(paintBurnt)},
        {Sprite::Cannoe, paintCanoe},
        {Sprite::Wind_Speed_Down, [] { return paintSpeedButton(true); }},
        {Sprite::Wind_Speed_Up, [] { return paintSpeedButton(false); }},
        {Sprite::Wind_Direction_Down, [] { return paintDirectionButton(true); }},
        {Sprite::Wind_Direction_Up, [] { return paintDirectionButton(false); }},
        {Sprite::Frame_Top, paintFrameTop},
        {Sprite::Frame_Bottom, paintFrameBottom},
        {Sprite::Frame_Side_R, [] { return paintFrameSide(true); }},
        {Sprite::Frame_Side_L, [] { return paintFrameSide(false); }},
    };
    for (int bank = Ground::LeftBank; bank <= Ground::TopLftBank; ++bank) {
        table[bank] = tiled([bank] { return paintBank(static_cast<Ground::Tile>(bank)); });
    }
    for (int number = 1; number <= Sprite::Target109 - Sprite::Target001 + 1; ++number) {
        table[Sprite::Target001 + number - 1] = tiled([number] { return paintTargetTile(number); });
    }
    for (int value = Structure::Tepee; value <= Structure::Fence_BRCorner; ++value) {
        table[Sprite::StructureBase + value] =
            tiled([value] { return paintStructure(static_cast<Structure::Tile>(value)); });
    }
    const struct {
        ActorKind kind;
        int walking;
        int selected;
        int unselected;
    } kinds[] = {
        {ActorKind::Indian, Sprite::Indian, Sprite::Indian_Down, Sprite::Indian_Up},
        {ActorKind::Farmer, Sprite::Farmer, Sprite::Farmer_Down, Sprite::Farmer_Up},
        {ActorKind::Cow, Sprite::Cow, Sprite::Cow_Down, Sprite::Cow_Up},
        {ActorKind::CowBoy, Sprite::CowBoy, Sprite::CowBoy_Down, Sprite::CowBoy_Up},
    };
    for (const auto& [kind, walking, selected, unselected] : kinds) {
        const int thrown = Sprite::FlyingBase + 2 * kindIndex(kind);
        const ActorKind figure = kind; // a lambda takes a copy, not the binding
        table[walking] = [figure] { return paintFigure(figure); };
        table[thrown] = [figure] { return paintFlying(figure); };
        table[thrown + 1] = [figure] { return paintFallen(figure); };
        table[selected] = [figure] { return paintKindButton(figure, true); };
        table[unselected] = [figure] { return paintKindButton(figure, false); };
    }
    return table;
}

// The game names its files with backslashes, as Windows does; the folder is written with
// forward ones, which every system reads.
std::string portableFile(std::string file) {
    for (char& c : file) {
        c = c == '\\' ? '/' : c;
    }
    return file;
}

std::vector<Picture> buildCatalogue() {
    const std::map<int, Painter> paintersBySprite = painters();
    std::vector<Picture> list;
    for (const CatalogueEntry& entry : ::spriteCatalogue()) {
        const auto painter = paintersBySprite.find(entry.sprite);
        list.push_back({entry.sprite, portableFile(entry.file), entry.width, entry.height,
                        entry.keyed,
                        painter != paintersBySprite.end() ? painter->second : Painter()});
    }
    return list;
}

} // namespace

const std::vector<Picture>& spriteCatalogue() {
    static const std::vector<Picture> catalogue = buildCatalogue();
    return catalogue;
}

const std::vector<Picture>& fullScreenPictures() {
    static const std::vector<Picture> pictures = {
        {-1, "Data/Splash.bmp", 1024, 768, false, paintSplash},
        {-1, "Data/Option.bmp", 1024, 768, false, paintMenu},
    };
    return pictures;
}

} // namespace datagen
