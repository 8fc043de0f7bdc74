// What the SDL back end's parts share: the window, its renderer and the screen texture.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/pad.h"
#include "platform/palette.h"
#include "platform/session.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform::sdl {

// Gives an SDL object back with the call SDL has for it.
struct Release {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
    void operator()(SDL_GameController* pad) const { SDL_GameControllerClose(pad); }
};

// The window and what draws into it; they go in the opposite order: the screen texture, the
// renderer, the window.
struct State {
    std::unique_ptr<SDL_Window, Release> window;
    std::unique_ptr<SDL_Renderer, Release> renderer;
    std::unique_ptr<SDL_Texture, Release> screen;
    std::deque<EventType> posted; // events the game posts to itself, not yet taken
    bool surfacesLost = false;    // the renderer reset since the last frame
    struct Pad {
        std::unique_ptr<SDL_GameController, Release> controller;
        PadState state; // as its events have left it
    };
    std::map<int, Pad> pads;   // by SDL's instance id
    bool turnStarted = false;  // the pads have been read in this turn of the loop
    bool liveTurnOver = false; // the live input has ended this turn

    ScreenChoice choice;                    // as the player chose it; Alt+Enter switches
    std::function<void(bool)> modeListener; // told of each switch
    std::string screenshotFolder;           // where F12 writes
    bool screenshotWanted = false;          // F12 was pressed: the next present is kept
};

// Alt+Enter: full screen to a 1024 x 768 window and back.
void switchScreenMode();
// Scales the game's screen to the window as the player chose: fit, or whole multiples when
// one fits.
void applyScale();
// Writes the frame, through the palette, into the screenshot folder and says where.
void writeScreenshot(const Surface& frame, const Palette& palette);

State& state();

// Game controllers: opened from the start and as they are plugged in (padEvent takes SDL's
// word of that, true for the events it takes), and read for the controller mapping.
void startPads();
bool padEvent(const SDL_Event& event);
void readPads();
// Every pad goes, and lets go of what it held.
void closePads();

// The panel's font, found and opened once (null when there is none); given back with the
// text library when the display closes.
TTF_Font* openText();
void closeText();

} // namespace platform::sdl
