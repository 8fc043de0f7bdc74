// The input seam: every back end hands its raw events to the one queue here, and the game takes
// them from it (peekEvent). What sits on top of the live input sits here, once for every back
// end: a demo being recorded or shown (an InputTap); the controller mapping and the click rule
// belong between push and take as well.
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// Something at the seam that watches or replaces the live input, and the clock with it: a demo
// recorder or player. The seam only looks at it; its owner installs and removes it.
class InputTap {
public:
    // Events the tap puts before this turn's live ones (a recording's starting cursor).
    virtual bool before(Event& event, Point liveCursor) = 0;
    // A live event on its way to the game, with the cursor the game sees; false holds it back.
    virtual bool pass(Event& event, Point liveCursor) = 0;
    // Events of the tap's own after this turn's live ones (a shown demo's).
    virtual bool after(Event& event) = 0;
    // The clock and the cursor the game reads while the tap is in place.
    virtual std::uint32_t clock() = 0;
    virtual void sleep(std::uint32_t milliseconds) = 0;
    virtual Point cursor(Point liveCursor) = 0;
    // Whether this frame's present loses the screen (a shown demo's loss), and a loss that
    // happened (to be recorded).
    virtual bool lossDue() = 0;
    virtual void surfacesLost() = 0;

protected:
    ~InputTap() = default;
};

namespace input {

// A raw event from the player or the window, in the order it came.
void push(const Event& event);
// An event the game or the back end makes itself (a close it asks for, the quit after the
// window is gone): it waits behind the others and no tap sees it.
void post(EventType type);
// Whether an event is waiting.
bool waiting();
// A live back end holds a release that comes with its press for one frame (the click rule);
// the scripted one does not.
void useClickRule(bool on);
// Empties the queue and removes the tap (a fresh machine).
void clear();

// Whether a finger at the point steers, as the game set it (setTouchSteering).
bool touchSteersAt(Point point);

// Puts the tap at the seam, or none (null).
void setTap(InputTap* tap);
InputTap* tap();

} // namespace input

namespace backend {

// What each back end adds to the seam: moving its waiting events into the queue, the mouse's
// place on the 1024 x 768 screen, and its clock.
void pumpEvents();
Point mouseCursor();
std::uint32_t clockTicks();
void clockSleep(std::uint32_t milliseconds);

} // namespace backend

} // namespace platform
