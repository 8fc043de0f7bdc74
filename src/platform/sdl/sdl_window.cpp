// The game's window on SDL: one borderless full-screen window, or a 1024 x 768 one, with a
// 1024 x 768 logical screen, the game's icon, the system cursor hidden, and SDL's events
// turned into the game's. While a demo records, every event the game takes is written down;
// while one plays, the game takes the demo's events instead of the player's.
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/demo.h"
#include "platform/display_backend.h"
#include "platform/live_input.h"
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

// The game's key codes: letters and digits are their capital character, Enter and the space
// bar theirs (13 and 32), Escape and the arrows have codes of their own, every other key 0xFF.
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

// The game's own events wait behind every event already waiting and are taken in the same
// turn of the message loop, as the scripted back end takes them.
void post(EventType type) {
    sdl::state().posted.push_back(type);
}

// Turns one SDL event into a game event; false for events the game does not see.
bool translate(const SDL_Event& in, Event& out) {
    switch (in.type) {
    case SDL_KEYDOWN:
        if (in.key.keysym.sym == SDLK_RETURN && (in.key.keysym.mod & KMOD_ALT) != 0) {
            if (in.key.repeat == 0) {
                sdl::switchScreenMode();
            }
            return false;
        }
        if (in.key.keysym.sym == SDLK_F12 && in.key.repeat == 0) {
            sdl::state().screenshotWanted = true; // and the game sees a key, as any other
        }
        [[fallthrough]];
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
        if (in.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            sdl::applyScale();
        }
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

// False, with a line saying so, where SDL found no screen a player could see: its off-screen
// and dummy drivers are taken only when SDL_VIDEODRIVER names them.
bool onRealScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (driver != nullptr && (asked == nullptr || *asked == '\0') &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        std::fputs("kestravan: there is no display to show the game on (DISPLAY and "
                   "WAYLAND_DISPLAY name none that opens)\n",
                   stderr);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

// The game's icon, from its data folder; the window goes without one when it is missing.
void setIcon(SDL_Window* window) {
    SDL_Surface* icon = SDL_LoadBMP("Data/Icon.bmp");
    if (icon == nullptr) {
        return;
    }
    SDL_SetColorKey(icon, SDL_TRUE, 254); // the game's transparent palette index
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

// The live mouse position in the 1024 x 768 screen.
Point liveCursor() {
    int windowX = 0;
    int windowY = 0;
    SDL_GetMouseState(&windowX, &windowY);
    float x = static_cast<float>(windowX);
    float y = static_cast<float>(windowY);
    if (sdl::state().renderer != nullptr) {
        SDL_RenderWindowToLogical(sdl::state().renderer.get(), windowX, windowY, &x, &y);
    }
    return clampToScreen(static_cast<int>(x), static_cast<int>(y));
}

// While a demo plays, the player's input is not the game's: Escape or closing the window ends
// the show, the game's own events pass, and the rest is dropped.
bool takeWhilePlaying(const SDL_Event& in, Event& out) {
    if (!translate(in, out)) {
        return false;
    }
    if (in.type == SDL_QUIT || (out.type == EventType::KeyDown && out.key == KeyEscape)) {
        out = Event{};
        out.type = EventType::Close;
        return true;
    }
    return false;
}

} // namespace

Window* createWindow(const char* title) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    if (!onRealScreen()) {
        return nullptr;
    }
    auto& state = sdl::state();
    if (state.choice.fullscreen) {
        // The window asks for the whole screen, and is made that size from the start too, so
        // that it covers the screen even where no window manager carries out the request.
        SDL_Rect screen{0, 0, 1024, 768};
        SDL_GetDisplayBounds(0, &screen);
        state.window.reset(SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h,
                                            SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS |
                                                SDL_WINDOW_HIDDEN));
    } else {
        state.window.reset(SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                            1024, 768, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN));
    }
    if (state.window == nullptr) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return nullptr;
    }
    setIcon(state.window.get());
    SDL_ShowCursor(SDL_DISABLE);
    sdl::startPads();
    return &theWindow;
}

void showWindow(Window* /*window*/) {
    if (sdl::state().window != nullptr) {
        SDL_ShowWindow(sdl::state().window.get());
        SDL_RaiseWindow(sdl::state().window.get());
    }
}

void destroyWindow(Window* /*window*/) {
    auto& state = sdl::state();
    if (state.window == nullptr) {
        return;
    }
    backend::closeDisplay();
    state.window.reset();
    post(EventType::Quit);
}

void postClose(Window* /*window*/) {
    post(EventType::Close);
}

bool peekEvent(Event& event) {
    const demo::Mode mode = demo::mode();
    if (demo::needsCursor()) {
        // A recorded game starts where the mouse is.
        event = Event{};
        event.type = EventType::MouseMove;
        demo::recordInput(event, liveCursor());
        return true;
    }
    auto& state = sdl::state();
    SDL_Event in;
    while (SDL_PollEvent(&in) != 0) {
        event = Event{};
        if (sdl::padEvent(in)) {
            continue;
        }
        if (mode == demo::Mode::Play) {
            if (takeWhilePlaying(in, event)) {
                return true;
            }
            continue;
        }
        if (translate(in, event)) {
            liveInput().push(event);
        }
    }
    if (mode == demo::Mode::Play) {
        // The pad's Start ends the show as Escape does; the rest of the pad is not heard.
        Event padEvent;
        while (liveInput().take(padEvent)) {
            if (padEvent.type == EventType::KeyDown && padEvent.key == KeyEscape) {
                event = Event{};
                event.type = EventType::Close;
                return true;
            }
        }
        if (demo::nextInput(event)) {
            return true;
        }
    } else if (!state.liveTurnOver) {
        if (!state.turnStarted) {
            state.turnStarted = true;
            sdl::readPads();
        }
        if (liveInput().take(event)) {
            demo::recordInput(event, liveInput().cursor(liveCursor()));
            return true;
        }
        state.liveTurnOver = true;
    }
    auto& posted = state.posted;
    if (posted.empty()) {
        // The turn ends: the frame runs, and the next turn reads the pads afresh.
        state.turnStarted = false;
        state.liveTurnOver = false;
        return false;
    }
    event = Event{};
    event.type = posted.front();
    posted.pop_front();
    return true;
}

void waitForEvent() {
    if (sdl::state().posted.empty() && !liveInput().waiting()) {
        SDL_WaitEvent(nullptr);
    }
}

Point cursorPosition() {
    // A demo's cursor comes from a file: it is held to the screen as the live one is.
    const Point cursor =
        demo::mode() == demo::Mode::Off ? liveInput().cursor(liveCursor()) : demo::cursor();
    return clampToScreen(cursor.x, cursor.y);
}

} // namespace platform
