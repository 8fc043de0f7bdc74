// The SDL back end before the contract: on SDL's dummy video driver, keys and window changes
// arrive as the events SDL makes of them, and the mouse is moved inside SDL.
#include <SDL.h>
#include <cstdlib>

#include "back_end_driver.h"
#include "platform/sdl/sdl_state.h"

namespace contract {

bool startMachine(const char*& /*reason*/) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}

void pressKey(Key key, bool down) {
    constexpr SDL_Keycode Codes[] = {SDLK_a,    SDLK_z,  SDLK_0,     SDLK_9,    SDLK_ESCAPE,
                                     SDLK_LEFT, SDLK_UP, SDLK_RIGHT, SDLK_DOWN, SDLK_F5};
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = Codes[static_cast<int>(key)];
    SDL_PushEvent(&event);
}

void pointAt(int x, int y) {
    SDL_WarpMouseInWindow(platform::sdl::state().window.get(), x, y);
}

void setMinimised(bool minimised) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = minimised ? SDL_WINDOWEVENT_MINIMIZED : SDL_WINDOWEVENT_RESTORED;
    SDL_PushEvent(&event);
}

bool closeByPlayer() {
    // The window's close button, as SDL reports it for the last window.
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    return true;
}

bool loseScreen(const char*& /*reason*/) {
    // What SDL reports when the graphics device lost the textures it drew to.
    SDL_Event event{};
    event.type = SDL_RENDER_TARGETS_RESET;
    SDL_PushEvent(&event);
    return true;
}

} // namespace contract
