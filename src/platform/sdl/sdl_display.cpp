// The screen on SDL: the 8-bit back buffer is expanded through the palette into a streaming
// texture, scaled and letterboxed onto the full-screen window, and frames are paced at 60 a
// second whatever the monitor's refresh rate, since the game's speed is counted in frames.
#include <SDL.h>
#include <cstdint>

#include "platform/display_backend.h"
#include "platform/emulation/palette_expander.h"
#include "platform/sdl/sdl_state.h"

namespace platform::backend {

namespace {

constexpr int FramesPerSecond = 60;

bool createScreenTexture(int width, int height) {
    auto& state = sdl::state();
    state.screen.reset(SDL_CreateTexture(state.renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STREAMING, width, height));
    return state.screen != nullptr;
}

// Whether the window fills a screen of exactly the game's size, so that nothing needs scaling.
bool screenFitsExactly(int width, int height) {
    if (!sdl::state().choice.fullscreen) {
        return false;
    }
    SDL_DisplayMode mode;
    const int display = SDL_GetWindowDisplayIndex(sdl::state().window.get());
    return display >= 0 && SDL_GetDesktopDisplayMode(display, &mode) == 0 && mode.w == width &&
           mode.h == height;
}

bool createRenderer(int width, int height) {
    auto& state = sdl::state();
    if (state.renderer == nullptr && screenFitsExactly(width, height)) {
        // One to one, the frame goes to the window's own frame buffer: far cheaper than a 3-D
        // pipeline with nothing to scale, above all where that pipeline runs on the processor.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        state.renderer.reset(SDL_CreateRenderer(state.window.get(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (state.renderer == nullptr) {
        state.renderer.reset(SDL_CreateRenderer(state.window.get(), -1, SDL_RENDERER_ACCELERATED));
        if (state.renderer == nullptr) {
            state.renderer.reset(SDL_CreateRenderer(state.window.get(), -1, SDL_RENDERER_SOFTWARE));
        }
        if (state.renderer == nullptr) {
            return false;
        }
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    SDL_RenderSetLogicalSize(state.renderer.get(), width, height);
    sdl::applyScale();
    return createScreenTexture(width, height);
}

// Sleeps until the next frame is due; after a long stall the schedule starts afresh.
void waitForNextFrame() {
    static std::uint64_t due = 0;
    const std::uint64_t frequency = SDL_GetPerformanceFrequency();
    const std::uint64_t period = frequency / FramesPerSecond;
    std::uint64_t now = SDL_GetPerformanceCounter();
    if (due == 0 || now > due + 4 * period) {
        due = now;
    }
    due += period;
    while (now < due) {
        const std::uint64_t remaining = (due - now) * 1000 / frequency;
        SDL_Delay(remaining > 1 ? static_cast<std::uint32_t>(remaining - 1) : 1);
        now = SDL_GetPerformanceCounter();
    }
}

} // namespace

HResult displayStep(DisplayStep step, Window* /*window*/, int width, int height,
                    int /*bitsPerPixel*/) {
    auto& state = sdl::state();
    switch (step) {
    case DisplayStep::CreateDevice:
        return state.window != nullptr ? S_OK : DDERR_GENERIC;
    case DisplayStep::CooperativeLevel:
        SDL_ShowWindow(state.window.get());
        SDL_RaiseWindow(state.window.get());
        return S_OK;
    case DisplayStep::DisplayMode:
        // The font is looked up now, behind the splash, rather than in the first frame.
        sdl::openText();
        return createRenderer(width, height) ? S_OK : DDERR_GENERIC;
    default:
        return S_OK;
    }
}

HResult present(const Surface& frame, const Palette& palette) {
    auto& state = sdl::state();
    if (state.renderer == nullptr || state.screen == nullptr) {
        return DDERR_GENERIC;
    }
    if (state.surfacesLost) {
        return DDERR_SURFACELOST;
    }
    if (state.screenshotWanted) {
        state.screenshotWanted = false;
        sdl::writeScreenshot(frame, palette);
    }
    static PaletteExpander expander;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(state.screen.get(), nullptr, &pixels, &pitch) != 0) {
        return DDERR_GENERIC;
    }
    expander.expand(frame, palette, static_cast<std::uint32_t*>(pixels), pitch);
    SDL_UnlockTexture(state.screen.get());
    SDL_SetRenderDrawColor(state.renderer.get(), 0, 0, 0, 255);
    SDL_RenderClear(state.renderer.get());
    SDL_RenderCopy(state.renderer.get(), state.screen.get(), nullptr, nullptr);
    SDL_RenderPresent(state.renderer.get());
    waitForNextFrame();
    return S_OK;
}

HResult restoreDisplay() {
    auto& state = sdl::state();
    if (state.renderer == nullptr) {
        return DDERR_GENERIC;
    }
    int width = 0;
    int height = 0;
    SDL_RenderGetLogicalSize(state.renderer.get(), &width, &height);
    if (!createScreenTexture(width, height)) {
        return DDERR_GENERIC;
    }
    state.surfacesLost = false;
    return S_OK;
}

HResult acquireDC() {
    return S_OK;
}

void closeDisplay() {
    sdl::closeText();
    auto& state = sdl::state();
    state.screen.reset();
    state.renderer.reset();
}

} // namespace platform::backend
