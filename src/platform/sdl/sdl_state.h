// What the SDL back end's parts share: the window, its renderer and the screen texture.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdint>

namespace platform::sdl {

struct State {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* screen = nullptr;
    std::uint32_t postedEvent = 0; // SDL event type of events the game posts to itself
    bool surfacesLost = false;     // the renderer reset since the last frame
};

State& state();

// The panel's font, found and opened once (null when there is none); given back with the
// text library when the display closes.
TTF_Font* openText();
void closeText();

// Codes carried by posted events.
enum PostedCode { PostedClose = 1, PostedQuit = 2 };

} // namespace platform::sdl
