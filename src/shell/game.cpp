// The game object's life: construction with its start values, the start-up placement of the
// figures, the new-game reset and the orderly tear-down.
#include "shell/game.h"

#include <cstdio>
#include <string>

#include "formats/image.h"
#include "platform/store.h"
#include "platform/system.h"
#include "shell/best_score.h"
#include "sound/sound_clip.h"
#include "sound/sound_device.h"
#include "world/actor_kinds.h"
#include "world/flying_object.h"

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
        for (int i = 0; i < table.count; ++i) {
            respawnPosition(table.actors[i], rulesFor(table.kind), true);
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
