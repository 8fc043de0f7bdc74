// The game's window in the browser is the page's canvas: its keyboard, mouse, finger and
// visibility events become the game's, with the same key codes and cursor mapping as on the
// desktop. A finger is a mouse button held from the moment it touches until it lifts: the
// browser's own mouse events made from a touch come together after the lift, too late.
#include <algorithm>
#include <cmath>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/display_backend.h"
#include "platform/input_queue.h"
#include "platform/web/web_state.h"
#include "platform/window.h"

namespace platform {

struct Window {};

namespace web {

State& state() {
    static State theState;
    return theState;
}

} // namespace web

namespace {

Window theWindow;

void queue(EventType type, int key = 0, bool minimized = false) {
    input::push({type, key, minimized});
}

// The game's key codes, which the browser's own key codes already are for letters, digits,
// the arrows, Escape, Return and Space; every other key arrives as 0xFF.
int keyCode(unsigned long browserCode) {
    const int code = static_cast<int>(browserCode);
    switch (code) {
    case KeyEscape:
    case KeyLeft:
    case KeyUp:
    case KeyRight:
    case KeyDown:
    case 13:
    case 32:
        return code;
    default:
        break;
    }
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return code;
    }
    return 0xFF;
}

// Where the canvas lies on the page, in CSS pixels.
EM_JS(void, canvasRect, (double* rect), {
    var box = document.getElementById("canvas").getBoundingClientRect();
    HEAPF64[(rect >> 3) + 0] = box.left;
    HEAPF64[(rect >> 3) + 1] = box.top;
    HEAPF64[(rect >> 3) + 2] = box.width;
    HEAPF64[(rect >> 3) + 3] = box.height;
});

EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* event, void* /*data*/) {
    const auto browserCode = static_cast<int>(event->keyCode);
    const int key = keyCode(event->keyCode);
    if (type == EMSCRIPTEN_EVENT_KEYDOWN) {
        web::state().keysDown.insert(browserCode);
        queue(EventType::KeyDown, key);
    } else {
        web::state().keysDown.erase(browserCode);
        queue(EventType::KeyUp, key);
    }
    // The arrows and Space would scroll the page; every other key keeps its meaning to the
    // browser too (reloading, leaving the canvas with Tab).
    return key == KeyLeft || key == KeyUp || key == KeyRight || key == KeyDown || key == 32;
}

// The canvas may be scaled by the page: its picture is always the 1024 x 768 screen.
void moveCursor(double clientX, double clientY) {
    double rect[4];
    canvasRect(rect);
    if (rect[2] <= 0 || rect[3] <= 0) {
        return;
    }
    const double x = (clientX - rect[0]) * 1024.0 / rect[2];
    const double y = (clientY - rect[1]) * 768.0 / rect[3];
    web::state().cursor =
        clampToScreen(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

void moveCursor(const EmscriptenMouseEvent* event) {
    moveCursor(event->clientX, event->clientY);
}

// The page's finger events, one finger at a time: the first to touch the canvas is followed,
// with the pointer captured so that its moves and lift count anywhere. Holding its default
// back keeps the page from scrolling, zooming and selecting, and the browser from making
// mouse events of it. Each event calls kestravan_web_finger(phase, clientX, clientY).
EM_JS(void, followFingers, (int on), {
    var canvas = document.getElementById("canvas");
    var handlers = Module.fingerHandlers;
    if (handlers) {
        for (var name in handlers) {
            canvas.removeEventListener(name, handlers[name]);
        }
        Module.fingerHandlers = null;
    }
    if (!on) {
        return;
    }
    var finger = null;
    var send = function(phase, event) {
        event.preventDefault();
        Module["_kestravan_web_finger"](phase, event.clientX, event.clientY);
    };
    var down = function(event) {
        if (event.pointerType == "touch" && finger == null) {
            finger = event.pointerId;
            try {
                canvas.setPointerCapture(finger);
            } catch (e) {
            }
            send(0, event);
        }
    };
    var move = function(event) {
        if (event.pointerId == finger) {
            send(1, event);
        }
    };
    var lift = function(event) {
        if (event.pointerId == finger) {
            finger = null;
            send(2, event);
        }
    };
    handlers = Module.fingerHandlers = {};
    handlers.pointerdown = down;
    handlers.pointermove = move;
    handlers.pointerup = lift;
    handlers.pointercancel = handlers.pointerup;
    for (var name in handlers) {
        canvas.addEventListener(name, handlers[name]);
    }
});

void pressFinger(web::TouchButton button) {
    auto& state = web::state();
    if (button == web::TouchButton::None) {
        return;
    }
    state.finger = button;
    queue(button == web::TouchButton::Right ? EventType::RightButtonDown
                                            : EventType::LeftButtonDown);
}

void liftFinger() {
    auto& state = web::state();
    if (state.finger != web::TouchButton::None) {
        queue(state.finger == web::TouchButton::Right ? EventType::RightButtonUp
                                                      : EventType::LeftButtonUp);
        state.finger = web::TouchButton::None;
    }
}

// Buttons are pressed on the canvas, and let go anywhere on the page: a release counts only
// for a button pressed on the canvas.
EM_BOOL onMouse(int type, const EmscriptenMouseEvent* event, void* /*data*/) {
    moveCursor(event);
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
        queue(EventType::MouseMove);
        return EM_FALSE;
    }
    const bool left = event->button == 0;
    if (!left && event->button != 2) {
        return EM_FALSE;
    }
    const unsigned bit = 1u << event->button;
    auto& buttonsDown = web::state().buttonsDown;
    if (type == EMSCRIPTEN_EVENT_MOUSEDOWN) {
        buttonsDown |= bit;
        queue(left ? EventType::LeftButtonDown : EventType::RightButtonDown);
    } else if ((buttonsDown & bit) != 0) {
        buttonsDown &= ~bit;
        queue(left ? EventType::LeftButtonUp : EventType::RightButtonUp);
    }
    return EM_FALSE;
}

// Keys held when the canvas loses the focus are let go, as a desktop window lets them go:
// their releases would go elsewhere, and the whirlwind would keep on moving.
void releaseKeys() {
    auto& state = web::state();
    for (const int browserCode : state.keysDown) {
        queue(EventType::KeyUp, keyCode(static_cast<unsigned long>(browserCode)));
    }
    state.keysDown.clear();
}

EM_BOOL onBlur(int /*type*/, const EmscriptenFocusEvent* /*event*/, void* /*data*/) {
    releaseKeys();
    return EM_FALSE;
}

// A page in a background tab is a minimised window: the game stops until it comes back.
EM_BOOL onVisibility(int /*type*/, const EmscriptenVisibilityChangeEvent* event, void* /*data*/) {
    auto& state = web::state();
    const bool hidden = event->hidden != 0;
    if (hidden != state.hidden) {
        releaseKeys();
        state.hidden = hidden;
        queue(EventType::Activate, 0, hidden);
    }
    return EM_FALSE;
}

void listen(bool on) {
    followFingers(on ? 1 : 0);
    const char* canvas = web::CanvasTarget;
    const auto key = on ? onKey : nullptr;
    const auto mouse = on ? onMouse : nullptr;
    // Keys reach the game only while the canvas has the focus.
    emscripten_set_keydown_callback(canvas, nullptr, EM_FALSE, key);
    emscripten_set_keyup_callback(canvas, nullptr, EM_FALSE, key);
    emscripten_set_blur_callback(canvas, nullptr, EM_FALSE, on ? onBlur : nullptr);
    // Buttons are pressed on the canvas; moves and releases count anywhere on the page.
    emscripten_set_mousedown_callback(canvas, nullptr, EM_FALSE, mouse);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, mouse);
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, mouse);
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, on ? onVisibility : nullptr);
}

} // namespace

// A finger touched (0), moved (1) or lifted (2) at the point of the page.
extern "C" EMSCRIPTEN_KEEPALIVE void kestravan_web_finger(int phase, double clientX,
                                                          double clientY) {
    auto& state = web::state();
    if (!state.windowOpen) {
        return;
    }
    moveCursor(clientX, clientY);
    queue(EventType::MouseMove);
    if (phase == 0) {
        liftFinger();
        pressFinger(input::touchSteersAt(state.cursor) ? web::TouchButton::Right
                                                       : web::TouchButton::Left);
    } else if (phase == 2) {
        liftFinger();
    }
}

// A key pressed and let go, from the page's own buttons.
extern "C" EMSCRIPTEN_KEEPALIVE void kestravan_web_key(int key) {
    if (web::state().windowOpen) {
        queue(EventType::KeyDown, key);
        queue(EventType::KeyUp, key);
    }
}

Window* createWindow(const char* /*title*/) {
    listen(true);
    web::state().windowOpen = true;
    input::useClickRule(true);
    return &theWindow;
}

void showWindow(Window* /*window*/) {
    EM_ASM({ document.getElementById("canvas").focus(); });
}

void destroyWindow(Window* /*window*/) {
    auto& state = web::state();
    if (!state.windowOpen) {
        return;
    }
    backend::closeDisplay();
    listen(false);
    state.windowOpen = false;
    input::post(EventType::Quit);
}

void postClose(Window* /*window*/) {
    if (web::state().windowOpen) {
        input::post(EventType::Close);
    }
}

// The browser delivers its events between the game's turns; they are in the queue already.
void backend::pumpEvents() {
    web::readPads();
}

// While the game waits, the browser runs: it is the browser that delivers the events.
void waitForEvent() {
    while (!input::waiting()) {
        emscripten_sleep(50);
    }
}

Point backend::mouseCursor() {
    return web::state().cursor;
}

} // namespace platform
