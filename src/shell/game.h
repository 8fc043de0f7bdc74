// The one object that holds the whole running game: display, sprites, map, figures, thrown
// figures, sound clips, scores, input state, menu and round clock. The window procedure and the
// frame reach it through theGame.
#pragma once

#include <array>
#include <cstdint>

#include "platform/result.h"
#include "platform/surface.h"
#include "platform/video.h"
#include "platform/window.h"
#include "shell/frame_timer.h"
#include "world/actor.h"
#include "world/terrain.h"

namespace platform {
class Image;
}
class FlyingObject;
class SoundClip;
class SoundDevice;

inline constexpr int SpriteCount = 206;

// The game's seven clips, in the order the game declares, loads and destroys them.
enum class GameSound { Indian, Cow, Farm, CowBoy, Crush, Splat, Wind };
inline constexpr int GameSoundCount = 7;

// Width, height and the 8-bit format of one sprite surface, as the catalogue describes it.
struct SurfaceDesc {
    int width = 0;
    int height = 0;
};

class Game {
public:
    explicit Game(platform::Window* window);
    virtual ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Set-up: display, palette, splash, clips, placement, sprites, menu picture, round clock.
    HResult initialize();
    void placeActors();
    void newGame();
    void updateFrame();
    // The seconds-left number of the status panel: 200 down to 0.
    std::int32_t secondsLeft() const;

    // The sprite catalogue.
    void loadSprites();
    void loadBitmapSurface(platform::Surface** target, SurfaceDesc desc, const char* fileName);

    // The map.
    void loadTerrain();
    std::int32_t groundAt(int x, int y) const;             // Water off the map
    std::int32_t structureAt(int x, int y) const;          // Empty off the map
    void setStructureAt(int x, int y, std::int32_t value); // dropped off the map

    // The renderer's steps.
    void drawTilePass();
    void drawFigure(platform::Surface* sprite, int x, int y);
    void drawFigure(platform::Surface* sprite, double x, double y);
    void drawWhirlwind();
    void drawFrameAndButtons();

    // The world.
    void updateWorld(int cursorX, int cursorY, const platform::Rect& tileRect);
    void updateActors(int spriteLeft, int spriteTop);
    bool followCowBoy(Actor& cow);
    bool herdCow(Actor& cowboy, int c);
    bool workAtSite(Actor& actor, std::int32_t workValue, std::int32_t finalValue, int siteX,
                    int siteY, int duration);
    void launchFlyingObject(ActorKind kind);
    void updateFlyingObjects(int spriteLeft, int spriteTop);

    // Starts one of the game's clips (priority 0) and counts the play.
    void playSound(GameSound sound);

    // Window and display.
    platform::Window* window;
    platform::DisplayDevice* directDraw;
    platform::Surface* primarySurface;
    platform::Surface* backBuffer;
    platform::Palette* palette;

    // Sprites.
    platform::Surface* cursorSurface;
    platform::Surface* characterSurface;
    std::array<platform::Surface*, SpriteCount> spriteSurfaces;

    // Store, timing and drawing tools.
    bool scoreStoreOpen;
    FrameTimer frameTimer;
    std::uint32_t lastTick;
    std::uint32_t roundStartTick;
    platform::Brush panelBrush;
    platform::Pen panelPen;
    platform::Surface* imageDC;   // the full-screen picture, in the display's format
    platform::Image* imageBitmap; // the bitmap last loaded into imageDC

    // People and animals.
    std::array<Actor, FarmerCount> farmers;
    std::array<Actor, IndianCount> indians;
    std::array<Actor, CowCount> cows;
    std::array<Actor, CowBoyCount> cowboys;

    // Thrown figures, newest first.
    FlyingObject* flyingObjects;

    // Sound.
    SoundDevice* soundDevice;
    SoundClip* soundIndian;
    SoundClip* soundCow;
    SoundClip* soundFarm;
    SoundClip* soundCowBoy;
    SoundClip* soundCrush;
    SoundClip* soundSplat;
    SoundClip* soundWind;

    // Scores.
    std::int32_t score;
    std::int32_t bestScore;

    // The map, column by column.
    std::array<std::int32_t, CellCount> groundTiles;
    std::array<std::int32_t, CellCount> structureTiles;

    // Whirlwind and play state.
    std::int32_t whirlwindX;
    std::int32_t whirlwindY;
    std::int32_t whirlwindFrameCount;
    std::array<std::int32_t, ActorKindCount> caught; // by kindIndex: Indian, Farmer, Cow, CowBoy
    std::int32_t keyDirX;
    std::int32_t keyDirY;
    std::int32_t whirlwindStep;
    ActorKind selectedKind;
    ActorKind heldKind;
    std::int32_t menuChoice;
    double launchPower;
    double launchAngle;
    bool speedButtonDown;
    bool directionButtonDown;
    bool speedLatched;
    bool leftButtonDown;
    bool rightButtonDown;
    bool menuOpen;
    bool roundOver;
    bool showCursor;
    bool active;

    // Beyond the classic members: whether set-up ran to its end, and how often each clip was
    // started (for replays and tests).
    bool setupComplete;
    std::array<std::uint32_t, GameSoundCount> soundPlays;

    SoundClip* clipFor(GameSound sound) const;
};

extern Game* theGame;
