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
        Ground::Tile value;
        const char* name;
    } ground[] = {
        {Ground::Water, "Water"},           {Ground::Grass, "Grass"},
        {Ground::LeftBank, "LeftBank"},     {Ground::RightBank, "RightBank"},
        {Ground::TopBank, "TopBank"},       {Ground::BottomBank, "BottomBank"},
        {Ground::BotLftBank, "BotLftBank"}, {Ground::BotRhtBank, "BotRhtBank"},
        {Ground::TopRhtBank, "TopRhtBank"}, {Ground::TopLftBank, "TopLftBank"},
        {Ground::Building, "Building"},     {Ground::Collumn, "Collumn"},
        {Ground::DropBomb, "DropBomb"},     {Ground::Buinldinm_Top, "Buinldinm_Top"},
        {Ground::Blast, "Blast"},           {Ground::Burnt, "Burnt"},
    };
    for (const auto& [value, name] : ground) {
        std::function<Canvas()> paint;
        switch (value) {
        case Ground::Water:
            paint = paintWater;
            break;
        case Ground::Grass:
            paint = paintGrass;
            break;
        case Ground::Building:
            paint = paintBuilding;
            break;
        case Ground::Collumn:
            paint = paintColumn;
            break;
        case Ground::DropBomb:
            paint = paintDropBomb;
            break;
        case Ground::Buinldinm_Top:
            paint = paintBuildingTop;
            break;
        case Ground::Blast:
            paint = paintBlast;
            break;
        case Ground::Burnt:
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
        list.push_back(tile(Ground::Target001 + number - 1, name,
                            [number] { return paintTargetTile(number); }));
    }

    const char* structures[] = {
        "Tepee",        "TepeeDown",      "FarmHouse",      "FarmHouseDown",  "Fence_RLSide",
        "Fence_TBSide", "Fence_TLCorner", "Fence_TRCorner", "Fence_BLCorner", "Fence_BRCorner"};
    for (int value = Structure::Tepee; value <= Structure::Fence_BRCorner; ++value) {
        list.push_back(tile(
            129 + value, structures[value - 1],
            [value] { return paintStructure(static_cast<Structure::Tile>(value)); }, true));
    }

    const char* kinds[] = {"Indian", "Farmer", "Cow", "CowBoy"};
    for (int kind = 0; kind < ActorKindCount; ++kind) {
        const ActorKind actorKind = kindAt(kind);
        const std::string name = kinds[kind];
        list.push_back(figure(170 + 2 * kind, ("Flying_" + name).c_str(),
                              [actorKind] { return paintFlying(actorKind); }));
        list.push_back(figure(171 + 2 * kind, ("Fallen_" + name).c_str(),
                              [actorKind] { return paintFallen(actorKind); }));
    }
    list.push_back(figure(150, "Indian", [] { return paintFigure(ActorKind::Indian); }));
    list.push_back(figure(151, "Cannoe", paintCanoe));
    list.push_back(figure(152, "Farmer", [] { return paintFigure(ActorKind::Farmer); }));
    list.push_back(figure(153, "Cow", [] { return paintFigure(ActorKind::Cow); }));
    list.push_back(figure(154, "CowBoy", [] { return paintFigure(ActorKind::CowBoy); }));

    const struct {
        int sprite;
        const char* name;
        ActorKind kind;
        bool selected;
    } buttons[] = {
        {194, "Indian_Down", ActorKind::Indian, true}, {195, "Indian_Up", ActorKind::Indian, false},
        {196, "Farmer_Down", ActorKind::Farmer, true}, {197, "Farmer_Up", ActorKind::Farmer, false},
        {200, "Cow_Down", ActorKind::Cow, true},       {201, "Cow_Up", ActorKind::Cow, false},
        {198, "CowBoy_Down", ActorKind::CowBoy, true}, {199, "CowBoy_Up", ActorKind::CowBoy, false},
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
