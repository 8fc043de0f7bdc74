// Clicks that always count. The game looks at the mouse buttons once a frame, so a press and
// its release that both arrive before that look (a touchpad tap, a touch, a pad's click) would
// never be seen: the release waits, and the button is held for that one frame. A press that
// follows a release in one turn waits in the same way.
#pragma once

#include "platform/window.h"

namespace platform {

class ClickRule {
public:
    // Whether the game may take this event in the current turn of the message loop: not a
    // press or release of a button that already changed in this same turn.
    bool mayTake(const Event& event) const;
    void taken(const Event& event);
    // The loop runs its frame: the game has looked.
    void turnEnded() { changedThisTurn_ = 0; }

private:
    unsigned changedThisTurn_ = 0;
};

} // namespace platform
