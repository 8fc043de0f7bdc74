// Clocks, sleep and messages on SDL. While a demo runs, the game reads the demo's clock.
#include <SDL.h>
#include <cstdio>

#include "platform/demo.h"
#include "platform/display_backend.h"
#include "platform/sdl/sdl_state.h"
#include "platform/system.h"

namespace platform {

std::uint32_t tickCount() {
    if (demo::mode() != demo::Mode::Off) {
        return demo::clock();
    }
    return static_cast<std::uint32_t>(SDL_GetTicks64());
}

std::int64_t performanceCounter() {
    return static_cast<std::int64_t>(SDL_GetPerformanceCounter());
}

void sleep(std::uint32_t milliseconds) {
    SDL_Delay(milliseconds);
    if (demo::mode() != demo::Mode::Off) {
        demo::sleep(milliseconds);
    }
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
    sdl::closePads();
    SDL_Quit();
}

} // namespace platform
