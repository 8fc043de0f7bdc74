// The game's one window and what happens to it: keys, mouse, minimise and restore, close.
#pragma once

#include <functional>

namespace platform {

// Key codes of the keys the game knows; every other key arrives with a code of its own.
inline constexpr int KeyEscape = 27;
inline constexpr int KeyLeft = 37;
inline constexpr int KeyUp = 38;
inline constexpr int KeyRight = 39;
inline constexpr int KeyDown = 40;

enum class EventType {
    KeyDown, // key: the key code
    KeyUp,   // key: the key code
    MouseMove,
    LeftButtonDown,
    LeftButtonUp,
    RightButtonDown,
    RightButtonUp,
    Activate, // minimized: true when the window was minimised, false when restored
    Close,    // the player (or the game) asks the window to close
    Quit,     // the window is gone; the message loop ends
};

struct Event {
    EventType type = EventType::MouseMove;
    int key = 0;
    bool minimized = false;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The screen the game draws and the cursor moves on.
inline constexpr int ScreenWidth = 1024;
inline constexpr int ScreenHeight = 768;

// The nearest point of the screen: a cursor never leaves it.
constexpr Point clampToScreen(int x, int y) {
    return {x < 0              ? 0
            : x >= ScreenWidth ? ScreenWidth - 1
                               : x,
            y < 0               ? 0
            : y >= ScreenHeight ? ScreenHeight - 1
                                : y};
}

struct Window; // the back end's window

// Creates the full-screen window, not yet shown; null when there is no screen to be had.
Window* createWindow(const char* title);
void showWindow(Window* window);

// Destroys the window; a Quit event follows every event already waiting.
void destroyWindow(Window* window);

// Queues a Close event behind those already waiting.
void postClose(Window* window);

// Takes the next waiting event; false when none is waiting.
bool peekEvent(Event& event);

// Sleeps until an event is waiting (used while the game is minimised).
void waitForEvent();

// The cursor position in the 1024 x 768 screen, never outside it.
Point cursorPosition();

// Where a finger on the screen steers, as the right button held does, rather than clicks, as
// the left button does; the game says, since only it knows its panel and its menu. Until it
// does, a finger clicks everywhere.
void setTouchSteering(std::function<bool(Point point)> steersAt);

} // namespace platform
