// The one object that holds the whole running game: display, sprites, map, figures, thrown
// figures, sound clips, scores, input state, menu and round clock. The window procedure and the
// frame reach it through theGame.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>

#include "platform/result.h"
#include "platform/surface.h"
#include "platform/video.h"
#include "platform/window.h"
#include "shell/frame_timer.h"
#include "world/actor.h"
#include "world/flying_object.h"
#include "world/terrain.h"

namespace platform {
class Image;
}

class SoundClip;
class SoundDevice;

inline constexpr int SpriteCount = 206;

// The game's seven clips, in the order the game declares, loads and destroys them.
enum class GameSound { Indian, Cow, Farm, CowBoy, Crush, Splat, Wind };
inline constexpr int GameSoundCount = 7;

// Where the whirlwind starts each game.
inline constexpr std::int32_t WhirlwindStartX = 6400;
inline constexpr std::int32_t WhirlwindStartY = 640;

// The panel's bar, needle and menu outline: RGB(115, 0, 0).
inline constexpr platform::Rgb PanelRed{115, 0, 0};

// Width, height and the 8-bit format of one sprite surface, as the catalogue describes it.
struct SurfaceDesc {
    int width = 0;
    int height = 0;
};

class Game {
public:
    explicit Game(platform::Window* window);
    // Gives everything back in a fixed order: the display device (and with it the primary
    // surface, the back buffer, the palette and every sprite), the seven clips in their
    // order, the sound device, the thrown figures and the last full-screen bitmap.
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Set-up, one step after the other. A step that fails reports itself in the error box,
    // sets result and returns false, which ends the set-up.
    HResult initialize();
    bool openSound(HResult& result);   // the sound device
    bool openDisplay(HResult& result); // display, palette and the splash shown
    bool loadClips(HResult& result);   // the seven clips
    void placeFigures(); // the figures placed, the sprites and the menu picture loaded
    void startClock();   // the splash held, the round clock started, the first gust
    // A full-screen picture into imageDC, where the splash and the menu wait to be shown.
    void loadFullScreenPicture(const char* file);
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

    // Window and display. The surfaces and the palette belong to the display device; the game
    // only looks at them.
    platform::Window* window = nullptr;
    platform::DisplayDevicePointer directDraw;
    platform::Surface* primarySurface = nullptr;
    platform::Surface* backBuffer = nullptr;
    platform::Palette* palette = nullptr;

    // Sprites.
    platform::Surface* cursorSurface = nullptr;
    platform::Surface* characterSurface = nullptr;
    std::array<platform::Surface*, SpriteCount> spriteSurfaces{};

    // Store, timing and drawing tools.
    bool scoreStoreOpen = false;
    FrameTimer frameTimer;
    std::uint32_t lastTick = 0;
    std::uint32_t roundStartTick = 0;
    platform::Brush panelBrush{PanelRed};
    platform::Pen panelPen{PanelRed, 5};
    platform::Surface* imageDC = nullptr; // the full-screen picture, in the display's format
    std::unique_ptr<platform::Image> imageBitmap; // the bitmap last loaded into imageDC

    // People and animals.
    std::array<Actor, FarmerCount> farmers{};
    std::array<Actor, IndianCount> indians{};
    std::array<Actor, CowCount> cows{};
    std::array<Actor, CowBoyCount> cowboys{};

    // Thrown figures, newest first.
    std::list<FlyingObject> flyingObjects; // newest first

    // Sound.
    std::unique_ptr<SoundDevice> soundDevice;
    std::unique_ptr<SoundClip> soundIndian;
    std::unique_ptr<SoundClip> soundCow;
    std::unique_ptr<SoundClip> soundFarm;
    std::unique_ptr<SoundClip> soundCowBoy;
    std::unique_ptr<SoundClip> soundCrush;
    std::unique_ptr<SoundClip> soundSplat;
    std::unique_ptr<SoundClip> soundWind;

    // Scores.
    std::int32_t score = 0;
    std::int32_t bestScore = 0;

    // The map, column by column.
    std::array<std::int32_t, CellCount> groundTiles{};
    std::array<std::int32_t, CellCount> structureTiles{};

    // Whirlwind and play state.
    std::int32_t whirlwindX = WhirlwindStartX;
    std::int32_t whirlwindY = WhirlwindStartY;
    std::int32_t whirlwindFrameCount = 0;
    std::array<std::int32_t, ActorKindCount> caught{}; // by kindIndex: Indian, Farmer, Cow, CowBoy
    std::int32_t keyDirX = 0;
    std::int32_t keyDirY = 0;
    std::int32_t whirlwindStep = 0;
    ActorKind selectedKind = ActorKind::Cow;
    ActorKind heldKind = ActorKind::Indian;
    std::int32_t menuChoice = 0;
    double launchPower = 0.0;
    double launchAngle = 0.0;
    bool speedButtonDown = false;
    bool directionButtonDown = false;
    bool speedLatched = false;
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    bool menuOpen = false;
    bool roundOver = false;
    bool showCursor = true;
    bool active = true;

    // Whether set-up ran to its end, and how often each clip was started (for replays and
    // tests).
    bool setupComplete = false;
    std::array<std::uint32_t, GameSoundCount> soundPlays{};

    SoundClip* clipFor(GameSound sound) const;
};

extern Game* theGame;
