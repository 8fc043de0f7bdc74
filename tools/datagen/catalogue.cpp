// The catalogue table: which file holds which sprite number, at what size, keyed or not.
#include "datagen/catalogue.h"

#include <cstdio>

#include "datagen/art.h"
#include "datagen/ground.h"

namespace datagen {

namespace {

Picture tile(int sprite, const char* name, std::function<Canvas()> paint, bool keyed = false) {
    return {sprite, std::string("Data/") + name + ".bmp",    128, 32,
            keyed,  [paint] { return tileSurface(paint()); }};
}

Picture figure(int sprite, const char* name, std::function<Canvas()> paint) {
    return {sprite, std::string("Data/") + name + ".bmp", 22, 22, true, std::move(paint)};
}

Picture panel(int sprite, const char* name, int width, int height, std::function<Canvas()> paint) {
    return {sprite, std::string("Data/") + name + ".bmp", width, height, false, std::move(paint)};
}

std::vector<Picture> buildCatalogue() {
    std::vector<Picture> list;
    list.push_back({-1, "Data/Cursor.bmp", 32, 32, true, paintCursor});
    list.push_back({-1, "Data/Character.bmp", 128, 32, true, paintWhirlwind});

    const struct {
        GroundTile value;
        const char* name;
    } ground[] = {
        {Water, "Water"},           {Grass, "Grass"},
        {LeftBank, "LeftBank"},     {RightBank, "RightBank"},
        {TopBank, "TopBank"},       {BottomBank, "BottomBank"},
        {BotLftBank, "BotLftBank"}, {BotRhtBank, "BotRhtBank"},
        {TopRhtBank, "TopRhtBank"}, {TopLftBank, "TopLftBank"},
        {Building, "Building"},     {Collumn, "Collumn"},
        {DropBomb, "DropBomb"},     {Buinldinm_Top, "Buinldinm_Top"},
        {Blast, "Blast"},           {Burnt, "Burnt"},
    };
    for (const auto& [value, name] : ground) {
        std::function<Canvas()> paint;
        switch (value) {
        case Water:
            paint = paintWater;
            break;
        case Grass:
            paint = paintGrass;
            break;
        case Building:
            paint = paintBuilding;
            break;
        case Collumn:
            paint = paintColumn;
            break;
        case DropBomb:
            paint = paintDropBomb;
            break;
        case Buinldinm_Top:
            paint = paintBuildingTop;
            break;
        case Blast:
            paint = paintBlast;
            break;
        case Burnt:
            paint = paintBurnt;
            break;
        default:
            paint = [bank = value] { return paintBank(bank); };
            break;
        }
        list.push_back(tile(value, name, paint));
    }
    for (int number = 1; number <= 109; ++number) {
        char name[16];
        std::snprintf(name, sizeof name, "Target%03d", number);
        list.push_back(
            tile(Target001 + number - 1, name, [number] { return paintTargetTile(number); }));
    }

    const char* structures[] = {
        "Tepee",        "TepeeDown",      "FarmHouse",      "FarmHouseDown",  "Fence_RLSide",
        "Fence_TBSide", "Fence_TLCorner", "Fence_TRCorner", "Fence_BLCorner", "Fence_BRCorner"};
    for (int value = Tepee; value <= Fence_BRCorner; ++value) {
        list.push_back(tile(
            129 + value, structures[value - 1],
            [value] { return paintStructure(static_cast<StructureTile>(value)); }, true));
    }

    const char* kinds[] = {"Indian", "Farmer", "Cow", "CowBoy"};
    for (int kind = Indian; kind <= CowBoy; ++kind) {
        const auto actorKind = static_cast<ActorKind>(kind);
        const std::string name = kinds[kind - 1];
        list.push_back(figure(168 + 2 * kind, ("Flying_" + name).c_str(),
                              [actorKind] { return paintFlying(actorKind); }));
        list.push_back(figure(169 + 2 * kind, ("Fallen_" + name).c_str(),
                              [actorKind] { return paintFallen(actorKind); }));
    }
    list.push_back(figure(150, "Indian", [] { return paintFigure(Indian); }));
    list.push_back(figure(151, "Cannoe", paintCanoe));
    list.push_back(figure(152, "Farmer", [] { return paintFigure(Farmer); }));
    list.push_back(figure(153, "Cow", [] { return paintFigure(Cow); }));
    list.push_back(figure(154, "CowBoy", [] { return paintFigure(CowBoy); }));

    const struct {
        int sprite;
        const char* name;
        ActorKind kind;
        bool selected;
    } buttons[] = {
        {194, "Indian_Down", Indian, true}, {195, "Indian_Up", Indian, false},
        {196, "Farmer_Down", Farmer, true}, {197, "Farmer_Up", Farmer, false},
        {200, "Cow_Down", Cow, true},       {201, "Cow_Up", Cow, false},
        {198, "CowBoy_Down", CowBoy, true}, {199, "CowBoy_Up", CowBoy, false},
    };
    for (const auto& button : buttons) {
        list.push_back(panel(button.sprite, button.name, 60, 60,
                             [button] { return paintKindButton(button.kind, button.selected); }));
    }
    list.push_back(panel(202, "Wind_Speed_Down", 60, 120, [] { return paintSpeedButton(true); }));
    list.push_back(panel(203, "Wind_Speed_Up", 60, 120, [] { return paintSpeedButton(false); }));
    list.push_back(
        panel(204, "Wind_Direction_Down", 120, 120, [] { return paintDirectionButton(true); }));
    list.push_back(
        panel(205, "Wind_Direction_Up", 120, 120, [] { return paintDirectionButton(false); }));

    list.push_back(panel(190, "Frame_Top", 1024, 32, paintFrameTop));
    list.push_back(panel(191, "Frame_Bottom", 1024, 159, paintFrameBottom));
    list.push_back(panel(192, "Frame_Side_R", 32, 577, [] { return paintFrameSide(true); }));
    list.push_back(panel(193, "Frame_Side_L", 32, 577, [] { return paintFrameSide(false); }));
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
