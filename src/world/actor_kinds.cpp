// The four kinds of figure side by side.
#include "world/actor_kinds.h"

#include "display/sprite_numbers.h"
#include "world/site_phases.h"

namespace {

constexpr int IndianSprite = Sprite::Indian;
constexpr int CannoeSprite = Sprite::Cannoe;
constexpr int FarmerSprite = Sprite::Farmer;
constexpr int CowSprite = Sprite::Cow;
constexpr int CowBoySprite = Sprite::CowBoy;

} // namespace

// clang-format off
const std::array<ActorKindRules, 4> ActorKinds = {{
    // kind    loose: flee roam wander  penned: flee roam wander  headings blocked
    //         respawn square {column, columns, row, rows}  new site  clear site  quick step
    //         building {work, final, frames}  clip  sprite  on water  site phase
    {Indian,   {200, 300,  20},                {200, 300,  20},   10,      false,
               {25, 20, 30, 20},               true,     true,       2, false,
               {TepeeDown, Tepee, 500},        GameSound::Indian, IndianSprite, CannoeSprite,
               buildAtSite},
    {Farmer,   {150, 300,  50},                {150, 300,  50},   30,      true,
               {50, 150, 25, 70},              true,     true,       2, false,
               {FarmHouseDown, FarmHouse, 500}, GameSound::Farm,  FarmerSprite, 0,
               buildAtSite},
    {Cow,      {600, 500, 100},                {  0,  50,  10},   50,      true,
               CowPasture,                     true,     false,      3, false,
               {},                             GameSound::Cow,    CowSprite, 0,
               followOrGraze},
    {CowBoy,   {150, 500,  50},                {150, 500,  50},   50,      true,
               {50, 150, 100, 70},             false,    false,      2, true,
               {},                             GameSound::CowBoy, CowBoySprite, 0,
               keepPen},
}};
// clang-format on
