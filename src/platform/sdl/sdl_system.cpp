// Clocks, sleep and messages on SDL.
#include <SDL.h>
#include <cstdio>

#include "platform/display_backend.h"
#include "platform/input_queue.h"
#include "platform/sdl/sdl_state.h"
#include "platform/system.h"

namespace platform {

std::uint32_t backend::clockTicks() {
    return static_cast<std::uint32_t>(SDL_GetTicks64());
}

std::int64_t performanceCounter() {
    return static_cast<std::int64_t>(SDL_GetPerformanceCounter());
}

void backend::clockSleep(std::uint32_t milliseconds) {
    SDL_Delay(milliseconds);
}

void debugLine(const char* text) {
    std::fputs(text, stderr);
}

void errorBox(const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, sdl::state().window.get());
}

void shutdown() {
    // Everything SDL made goes before SDL itself.
    backend::closeDisplay();
    sdl::state().window.reset();
    SDL_Quit();
}

} // namespace platform
