// What the SDL back end's parts share: the window, its renderer and the screen texture.
#pragma once

#include <SDL.h>
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

// Gives back the font and the text library when the display closes.
void closeText();

// Codes carried by posted events.
enum PostedCode { PostedClose = 1, PostedQuit = 2 };

} // namespace platform::sdl
