// What the SDL back end's parts share: the window, its renderer and the screen texture.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "platform/palette.h"
#include "platform/session.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace platform::sdl {

struct State {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* screen = nullptr;
    std::deque<EventType> posted; // events the game posts to itself, not yet taken
    bool surfacesLost = false;    // the renderer reset since the last frame

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

// The panel's font, found and opened once (null when there is none); given back with the
// text library when the display closes.
TTF_Font* openText();
void closeText();

} // namespace platform::sdl
