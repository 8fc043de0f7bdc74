// Clocks, sleep and messages on SDL.
#include <SDL.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#ifdef __linux__
#include <sys/prctl.h>
#endif

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

void tellPlayer(const char* text, bool error) {
    std::fputs(text, error ? stderr : stdout);
}

void errorBox(const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (sdl::state().boxAnswered) {
        sdl::state().boxAnswered = false; // the player has just answered a box about it
        return;
    }
    const SDL_MessageBoxButtonData close = {
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "OK"};
    sdl::showBox(SDL_MESSAGEBOX_ERROR, caption, text, &close, 1);
}

void shutdown() {
    // Everything SDL made goes before SDL itself.
    backend::closeDisplay();
    sdl::state().window.reset();
    sdl::closePads();
    SDL_Quit();
}

namespace sdl {

namespace {

// While a box shows, SDL's event loop stands still and its own handlers, which only post a
// quit event, would leave the game running: the signal ends it at once instead.
extern "C" void endAtOnce(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// SDL draws its box in a process of its own, forked from the game's; that process goes with
// the game, so that a signal ending the game while the box shows never leaves the box behind.
pid_t boxOwner = 0; // the game's process while a box shows

extern "C" void boxProcessStarts() {
#ifdef __linux__
    if (boxOwner != 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != boxOwner) {
            _exit(1); // the game ended before the box could be tied to it
        }
    }
#endif
}

} // namespace

int showBox(std::uint32_t kind, const char* caption, const char* text,
            const SDL_MessageBoxButtonData* buttons, int count) {
    // A full-screen window would cover the box and keep the keys from it.
    SDL_Window* window = state().window.get();
    const bool shown = window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
    if (shown) {
        SDL_HideWindow(window);
    }
    struct sigaction ending {};
    ending.sa_handler = endAtOnce;
    sigemptyset(&ending.sa_mask);
    struct sigaction terminate {};
    struct sigaction interrupt {};
    sigaction(SIGTERM, &ending, &terminate);
    sigaction(SIGINT, &ending, &interrupt);
    static const bool tied = pthread_atfork(nullptr, nullptr, boxProcessStarts) == 0;
    boxOwner = tied ? getpid() : 0;
    const SDL_MessageBoxData box = {kind, nullptr, caption, text, count, buttons, nullptr};
    int chosen = -1;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) {
        std::fprintf(stderr, "SDL: the box cannot be shown: %s\n", SDL_GetError());
        chosen = -1;
    }
    boxOwner = 0;
    sigaction(SIGTERM, &terminate, nullptr);
    sigaction(SIGINT, &interrupt, nullptr);
    if (shown) {
        SDL_ShowWindow(window);
    }
    return chosen;
}

} // namespace sdl

} // namespace platform
