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

Game::Game(platform::Window* window) : window(window) {
    scoreStoreOpen = platform::openStore();
    bestScore = readBestScore();
    loadTerrain();
}

Game::~Game() {
    if (directDraw != nullptr) {
        // The primary surface goes first, then the device with everything made from it.
        primarySurface = nullptr;
        backBuffer = nullptr;
        platform::releaseDisplayDevice(directDraw);
        directDraw = nullptr;
    }
    // The clips before the device whose buffers they play, in the order they were made.
    soundIndian.reset();
    soundCow.reset();
    soundFarm.reset();
    soundCowBoy.reset();
    soundCrush.reset();
    soundSplat.reset();
    soundWind.reset();
    soundDevice.reset();
    while (flyingObjects != nullptr) {
        FlyingObject* next = flyingObjects->getNext();
        delete flyingObjects;
        flyingObjects = next;
    }
    imageBitmap.reset();
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
    whirlwindX = WhirlwindStartX;
    whirlwindY = WhirlwindStartY;
    caught = {0, 0, 0, 0};
    score = 0;
    roundOver = false;
    lastTick = platform::tickCount();
    roundStartTick = platform::tickCount();
}

SoundClip* Game::clipFor(GameSound sound) const {
    const std::array<SoundClip*, GameSoundCount> clips = {
        soundIndian.get(), soundCow.get(),   soundFarm.get(), soundCowBoy.get(),
        soundCrush.get(),  soundSplat.get(), soundWind.get()};
    return clips[static_cast<int>(sound)];
}

void Game::playSound(GameSound sound) {
    ++soundPlays[static_cast<int>(sound)];
    if (SoundClip* clip = clipFor(sound)) {
        clip->play(0);
    }
}
