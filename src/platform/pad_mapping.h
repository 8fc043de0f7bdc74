// The one controller mapping of every back end: a pad's changes become the keyboard and mouse
// events a player would make for the same thing, so the game's rules, its demos and their
// replays never learn that a pad exists.
#pragma once

#include <vector>

#include "platform/pad.h"
#include "platform/window.h"

namespace platform {

// An event the pad makes; a mouse move carries the point the cursor goes to.
struct PadEvent {
    Event event;
    Point cursor;
};

class PadEmitter;

class PadMapping {
public:
    void setDeadzone(int percent);
    void setContext(const PlayContext& context) { context_ = context; }

    // Another look at pad `id`. The first pad used drives; the others are not heard until it
    // goes. Appends the events the changes since the last look make.
    void update(int id, const PadState& state, std::vector<PadEvent>& out);
    // Pad `id` is gone: whatever it held is let go.
    void removed(int id, std::vector<PadEvent>& out);

    // Where a stick held like this places the steering point (the screen centre when it lies
    // in the dead zone).
    Point steeringPoint(float stickX, float stickY) const;

private:
    enum class Held { Nothing, SpeedButton, DirectionButton };

    void playUpdate(const PadState& now, unsigned pressed, unsigned released, PadEmitter& out);
    void menuUpdate(unsigned pressed, PadEmitter& out);
    void steer(const PadState& now, PadEmitter& out);

    int deadzone_ = DefaultStickDeadzone;
    PlayContext context_;
    int driver_ = -1;
    PadState last_;
    bool inMenu_ = false;
    int menuChoice_ = 2;
    bool steering_ = false;
    Held held_ = Held::Nothing;
    Point cursor_{-1, -1};
};

} // namespace platform
