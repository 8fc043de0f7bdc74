// The game's window on SDL: one borderless full-screen window with a 1024 x 768 logical
// screen, the system cursor hidden, and SDL's events turned into the game's.
#include <SDL.h>
#include <algorithm>
#include <cstdio>

#include "platform/display_backend.h"
#include "platform/sdl/sdl_state.h"
#include "platform/window.h"

namespace platform {

struct Window {};

namespace sdl {

State& state() {
    static State theState;
    return theState;
}

} // namespace sdl

namespace {

Window theWindow;

// The classic key codes: letters and digits keep their character, the rest get 0xFF.
int keyCode(SDL_Keycode key) {
    switch (key) {
    case SDLK_ESCAPE:
        return KeyEscape;
    case SDLK_LEFT:
        return KeyLeft;
    case SDLK_UP:
        return KeyUp;
    case SDLK_RIGHT:
        return KeyRight;
    case SDLK_DOWN:
        return KeyDown;
    case SDLK_RETURN:
        return 13;
    case SDLK_SPACE:
        return 32;
    default:
        break;
    }
    if (key >= SDLK_a && key <= SDLK_z) {
        return 'A' + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return '0' + (key - SDLK_0);
    }
    return 0xFF;
}

void post(sdl::PostedCode code) {
    SDL_Event event{};
    event.type = sdl::state().postedEvent;
    event.user.code = code;
    SDL_PushEvent(&event);
}

// Turns one SDL event into a game event; false for events the game does not see.
bool translate(const SDL_Event& in, Event& out) {
    const auto& state = sdl::state();
    if (in.type == state.postedEvent) {
        out.type = in.user.code == sdl::PostedClose ? EventType::Close : EventType::Quit;
        return true;
    }
    switch (in.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out.type = in.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
        out.key = keyCode(in.key.keysym.sym);
        return true;
    case SDL_MOUSEMOTION:
        out.type = EventType::MouseMove;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = in.type == SDL_MOUSEBUTTONDOWN;
        if (in.button.button == SDL_BUTTON_LEFT) {
            out.type = down ? EventType::LeftButtonDown : EventType::LeftButtonUp;
            return true;
        }
        if (in.button.button == SDL_BUTTON_RIGHT) {
            out.type = down ? EventType::RightButtonDown : EventType::RightButtonUp;
            return true;
        }
        return false;
    }
    case SDL_WINDOWEVENT:
        if (in.window.event == SDL_WINDOWEVENT_MINIMIZED ||
            in.window.event == SDL_WINDOWEVENT_RESTORED) {
            out.type = EventType::Activate;
            out.minimized = in.window.event == SDL_WINDOWEVENT_MINIMIZED;
            return true;
        }
        return false;
    case SDL_QUIT:
        out.type = EventType::Close;
        return true;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        sdl::state().surfacesLost = true;
        return false;
    default:
        return false;
    }
}

} // namespace

Window* createWindow(const char* title) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    auto& state = sdl::state();
    state.postedEvent = SDL_RegisterEvents(1);
    // The window asks for the whole screen, and is made that size from the start too, so that
    // it covers the screen even where no window manager carries out the full-screen request.
    SDL_Rect screen{0, 0, 1024, 768};
    SDL_GetDisplayBounds(0, &screen);
    state.window =
        SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h,
                         SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (state.window == nullptr) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_ShowCursor(SDL_DISABLE);
    return &theWindow;
}

void showWindow(Window* /*window*/) {
    if (sdl::state().window != nullptr) {
        SDL_ShowWindow(sdl::state().window);
        SDL_RaiseWindow(sdl::state().window);
    }
}

void destroyWindow(Window* /*window*/) {
    auto& state = sdl::state();
    if (state.window == nullptr) {
        return;
    }
    backend::closeDisplay();
    SDL_DestroyWindow(state.window);
    state.window = nullptr;
    post(sdl::PostedQuit);
}

void postClose(Window* /*window*/) {
    post(sdl::PostedClose);
}

bool peekEvent(Event& event) {
    SDL_Event in;
    while (SDL_PollEvent(&in) != 0) {
        event = Event{};
        if (translate(in, event)) {
            return true;
        }
    }
    return false;
}

void waitForEvent() {
    SDL_WaitEvent(nullptr);
}

Point cursorPosition() {
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    float x = static_cast<float>(windowX);
    float y = static_cast<float>(windowY);
    if (sdl::state().renderer != nullptr) {
        SDL_RenderWindowToLogical(sdl::state().renderer, windowX, windowY, &x, &y);
    }
    return {std::clamp(static_cast<int>(x), 0, 1023), std::clamp(static_cast<int>(y), 0, 767)};
}

} // namespace platform
