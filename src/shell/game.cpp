// The game object's life: construction with its start values, the start-up placement of the
// figures, the new-game reset and the orderly tear-down.
#include "shell/game.h"

#include <cstdio>
#include <string>

#include "platform/image.h"
#include "platform/store.h"
#include "platform/system.h"
#include "shell/best_score.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "world/actor_kinds.h"
#include "world/flying_object.h"
#include "world/game_random.h"

Game* theGame = nullptr;

namespace {
// The panel's bar, needle and menu outline: RGB(115, 0, 0).
constexpr platform::Rgb PanelRed{115, 0, 0};
} // namespace

Game::Game(platform::Window* window)
    : window(nullptr), directDraw(nullptr), primarySurface(nullptr), backBuffer(nullptr),
      palette(nullptr), cursorSurface(nullptr), characterSurface(nullptr), spriteSurfaces{},
      scoreStoreOpen(false), lastTick(0), roundStartTick(0), imageDC(nullptr),
      imageBitmap(nullptr), farmers{}, indians{}, cows{}, cowboys{}, flyingObjects(nullptr),
      soundDevice(nullptr), soundIndian(nullptr), soundCow(nullptr), soundFarm(nullptr),
      soundCowBoy(nullptr), soundCrush(nullptr), soundSplat(nullptr), soundWind(nullptr), score(0),
      bestScore(0), whirlwindX(6400), whirlwindY(640), whirlwindFrameCount(0), caught{}, keyDirX(0),
      keyDirY(0), whirlwindStep(0), selectedKind(ActorKind::Cow), heldKind(ActorKind::Indian),
      menuChoice(0), launchPower(0.0), launchAngle(0.0), speedButtonDown(false),
      directionButtonDown(false), speedLatched(false), leftButtonDown(false),
      rightButtonDown(false), menuOpen(false), roundOver(false), showCursor(true), active(true),
      setupComplete(false), soundPlays{} {
    this->window = window;
    panelBrush = platform::Brush{PanelRed};
    panelPen = platform::Pen{PanelRed, 5};
    scoreStoreOpen = platform::openStore();
    bestScore = readBestScore();
    loadTerrain();
}

Game::~Game() {
    if (directDraw != nullptr) {
        // The back buffer, the palette and every sprite go with the display device.
        primarySurface = nullptr;
        platform::releaseDisplayDevice(directDraw);
        directDraw = nullptr;
    }
    for (SoundClip** clip : {&soundIndian, &soundCow, &soundFarm, &soundCowBoy, &soundCrush,
                             &soundSplat, &soundWind}) {
        delete *clip;
        *clip = nullptr;
    }
    // Given back here rather than left to the end of the process: the sound device (after
    // its clips), the thrown figures still in the air, and the last full-screen bitmap.
    delete soundDevice;
    soundDevice = nullptr;
    while (flyingObjects != nullptr) {
        FlyingObject* next = flyingObjects->getNext();
        delete flyingObjects;
        flyingObjects = next;
    }
    delete imageBitmap;
    imageBitmap = nullptr;
}

void Game::placeActors() {
    // Every figure starts in the square where it would come back after being caught, with a
    // site of its own nearby; four numbers a figure, table after table.
    for (const ActorTable& table : actorTables(*this)) {
        const ActorKindRules& rules = rulesFor(table.kind);
        const TileSquare& square = rules.respawn;
        for (int i = 0; i < table.count; ++i) {
            const int r1 = gameRandom();
            const int r2 = gameRandom();
            const int r3 = gameRandom();
            const int r4 = gameRandom();
            Actor& actor = table.actors[i];
            actor.x = TileSize * (square.firstColumn + r1 % square.columns);
            actor.y = TileSize * (square.firstRow + r2 % square.rows);
            actor.step = stepFor(rules, r1);
            actor.siteX = actor.x + TileSize * (r3 % 20 - 10);
            actor.siteY = actor.y + TileSize * (r4 % 20 - 10);
            actor.fleeTimer = 0;
            actor.workTimer = 0;
            actor.penned = 0;
        }
    }
}

void Game::newGame() {
    whirlwindX = 6400;
    whirlwindY = 640;
    caught = {0, 0, 0, 0};
    score = 0;
    roundOver = false;
    lastTick = platform::tickCount();
    roundStartTick = platform::tickCount();
}

SoundClip* Game::clipFor(GameSound sound) const {
    const std::array<SoundClip*, GameSoundCount> clips = {
        soundIndian, soundCow, soundFarm, soundCowBoy, soundCrush, soundSplat, soundWind};
    return clips[static_cast<int>(sound)];
}

void Game::playSound(GameSound sound) {
    ++soundPlays[static_cast<int>(sound)];
    if (SoundClip* clip = clipFor(sound)) {
        clip->play(0);
    }
}
