// Live input on its way to the game: the back end's keyboard, mouse and window events and the
// events the controller mapping makes of its pads, in the order they came, with the click rule
// applied. Demos record what leaves here, which is the input as the game saw it.
#pragma once

#include <deque>
#include <vector>

#include "platform/click_rule.h"
#include "platform/pad_mapping.h"
#include "platform/window.h"

namespace platform {

class LiveInput {
public:
    // An event of the keyboard, the mouse or the window.
    void push(const Event& event);
    // Another look at pad `id`, or the pad is gone.
    void padState(int id, const PadState& state);
    void padRemoved(int id);

    // The next event of this turn of the loop; false ends the turn, and the frame runs.
    bool take(Event& event);
    // Whether an event is waiting (one that a held release keeps back counts).
    bool waiting() const { return !waiting_.empty(); }

    // The cursor the game sees: where the pad put it until the mouse is used again.
    Point cursor(Point mouse) const { return padCursor_ ? padPoint_ : mouse; }

    PadMapping& mapping() { return mapping_; }

private:
    struct Waiting {
        Event event;
        bool fromPad = false;
        Point cursor; // a pad's mouse move: where it goes
    };

    void takePadEvents();

    std::deque<Waiting> waiting_;
    std::vector<PadEvent> padEvents_;
    ClickRule clicks_;
    PadMapping mapping_;
    bool padCursor_ = false;
    Point padPoint_;
};

// The live input every back end feeds.
LiveInput& liveInput();

} // namespace platform
