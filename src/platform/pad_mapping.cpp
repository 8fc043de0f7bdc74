// The controller mapping. The stick holds the right mouse button with the cursor around the
// whirlwind, the D-pad is the arrow keys, the shoulders click the next or the previous kind's
// icon, south holds the wind-speed button and east the wind-direction button, Start is Escape,
// and in the menu up and down choose a button that south or east presses.
#include "platform/pad_mapping.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The whirlwind's point on the screen; the right mouse button steers away from it.
constexpr Point Centre{480, 288};
// How far from the centre the stick places the cursor: just past the still box at the edge of
// the dead zone, and past the fast line (150) on both axes at a full diagonal push.
constexpr double NearestReach = 51;
constexpr double FarthestReach = 220;

// The panel's buttons and the menu's, at the middle of their hit areas.
constexpr Point SpeedButton{853, 696};
constexpr Point DirectionButton{763, 696};
constexpr Point KindIcons[] = {{973, 666}, {973, 726}, {913, 666}, {913, 726}}; // 1..4
constexpr int KindCount = 4;
constexpr Point MenuButtons[] = {{525, 293}, {525, 382}, {525, 470}}; // new game, resume, quit
constexpr int ResumeButton = 2;

// Any key hides the drawn cursor; the pad's mouse moves and presses end with this one.
constexpr int HidingKey = 0xFF;

struct DpadKey {
    unsigned button;
    int key;
};
constexpr DpadKey DpadKeys[] = {
    {PadLeft, KeyLeft}, {PadRight, KeyRight}, {PadUp, KeyUp}, {PadDown, KeyDown}};

} // namespace

// Appends events; every run of mouse moves and presses that shows the cursor ends with the
// hiding key, before any release, so that no frame shows the cursor while the pad drives.
class PadEmitter {
public:
    explicit PadEmitter(std::vector<PadEvent>& out) : out_(out) {}
    ~PadEmitter() { hide(); }
    PadEmitter(const PadEmitter&) = delete;
    PadEmitter& operator=(const PadEmitter&) = delete;

    void moveTo(Point point) {
        Event event;
        event.type = EventType::MouseMove;
        out_.push_back({event, point});
        showing_ = true;
    }
    void send(EventType type, int key = 0) {
        const bool shows = type == EventType::LeftButtonDown || type == EventType::RightButtonDown;
        if (!shows) {
            hide();
        }
        Event event;
        event.type = type;
        event.key = key;
        out_.push_back({event, {}});
        showing_ = showing_ || shows;
    }
    void click() {
        send(EventType::LeftButtonDown);
        send(EventType::LeftButtonUp);
    }

private:
    void hide() {
        if (showing_) {
            showing_ = false;
            send(EventType::KeyDown, HidingKey);
        }
    }

    std::vector<PadEvent>& out_;
    bool showing_ = false;
};

void PadMapping::setDeadzone(int percent) {
    deadzone_ = std::clamp(percent, 0, 95);
}

Point PadMapping::steeringPoint(float stickX, float stickY) const {
    const double length = std::hypot(stickX, stickY);
    const double deadzone = deadzone_ / 100.0;
    if (length <= deadzone || length == 0) {
        return Centre;
    }
    const double push = std::min(1.0, (length - deadzone) / (1.0 - deadzone));
    const double reach = NearestReach + push * (FarthestReach - NearestReach);
    return clampToScreen(Centre.x + static_cast<int>(std::lround(reach * stickX / length)),
                         Centre.y + static_cast<int>(std::lround(reach * stickY / length)));
}

void PadMapping::update(int id, const PadState& state, std::vector<PadEvent>& out) {
    if (driver_ < 0) {
        const bool used = state.buttons != 0 || steeringPoint(state.stickX, state.stickY) != Centre;
        if (!used) {
            return;
        }
        driver_ = id;
        last_ = {};
    }
    if (id != driver_) {
        return;
    }
    PadEmitter emit(out);
    const unsigned pressed = state.buttons & ~last_.buttons;
    const unsigned released = last_.buttons & ~state.buttons;
    if ((pressed & PadStart) != 0) {
        emit.send(EventType::KeyDown, KeyEscape);
        emit.send(EventType::KeyUp, KeyEscape);
    }
    // An arrow's release counts in the menu too: the game stops that axis.
    for (const DpadKey& dpad : DpadKeys) {
        if ((released & dpad.button) != 0) {
            emit.send(EventType::KeyUp, dpad.key);
        }
    }
    if (context_.menuOpen) {
        menuUpdate(pressed, emit);
    } else {
        inMenu_ = false;
        playUpdate(state, pressed, released, emit);
    }
    last_ = state;
}

void PadMapping::menuUpdate(unsigned pressed, PadEmitter& emit) {
    if (!inMenu_) {
        // The menu just opened: the stick lets go, and the cursor rests on "resume". A button
        // held from the game is forgotten: the menu's own press lets it go.
        inMenu_ = true;
        if (steering_) {
            emit.send(EventType::RightButtonUp);
            steering_ = false;
        }
        held_ = Held::Nothing;
        menuChoice_ = ResumeButton;
        emit.moveTo(MenuButtons[menuChoice_ - 1]);
        cursor_ = MenuButtons[menuChoice_ - 1];
    }
    const int step = ((pressed & PadDown) != 0 ? 1 : 0) - ((pressed & PadUp) != 0 ? 1 : 0);
    if (step != 0 && std::clamp(menuChoice_ + step, 1, 3) != menuChoice_) {
        menuChoice_ += step;
        cursor_ = MenuButtons[menuChoice_ - 1];
        emit.moveTo(cursor_);
    }
    if ((pressed & (PadSouth | PadEast)) != 0) {
        emit.click();
    }
}

void PadMapping::playUpdate(const PadState& now, unsigned pressed, unsigned released,
                            PadEmitter& emit) {
    for (const DpadKey& dpad : DpadKeys) {
        if ((pressed & dpad.button) != 0) {
            emit.send(EventType::KeyDown, dpad.key);
        }
    }
    // A panel button needs the cursor, which the stick lets go for it.
    const auto takeCursor = [&](Point point) {
        if (steering_) {
            emit.send(EventType::RightButtonUp);
            steering_ = false;
        }
        cursor_ = point;
        emit.moveTo(point);
    };
    if (held_ == Held::SpeedButton && (released & PadSouth) != 0) {
        emit.send(EventType::LeftButtonUp);
        held_ = Held::Nothing;
    }
    if (held_ == Held::DirectionButton && (released & PadEast) != 0) {
        emit.send(EventType::LeftButtonUp);
        held_ = Held::Nothing;
    }
    if (held_ == Held::Nothing) {
        const int step = ((pressed & PadRightShoulder) != 0 ? 1 : 0) -
                         ((pressed & PadLeftShoulder) != 0 ? 1 : 0);
        if (step != 0) {
            const int kind = (context_.selectedKind - 1 + step + KindCount) % KindCount + 1;
            takeCursor(KindIcons[kind - 1]);
            emit.click();
            // The game learns the new kind only after its frame; until then the pad counts on.
            context_.selectedKind = kind;
        }
        if ((pressed & PadSouth) != 0) {
            takeCursor(SpeedButton);
            emit.send(EventType::LeftButtonDown);
            held_ = Held::SpeedButton;
        } else if ((pressed & PadEast) != 0) {
            takeCursor(DirectionButton);
            emit.send(EventType::LeftButtonDown);
            held_ = Held::DirectionButton;
        }
    }
    if (held_ == Held::Nothing) {
        steer(now, emit);
    }
}

void PadMapping::steer(const PadState& now, PadEmitter& emit) {
    const Point point = steeringPoint(now.stickX, now.stickY);
    if (point == Centre) {
        if (steering_) {
            emit.send(EventType::RightButtonUp);
            steering_ = false;
        }
        return;
    }
    if (point != cursor_) {
        cursor_ = point;
        emit.moveTo(point);
    }
    if (!steering_) {
        emit.send(EventType::RightButtonDown);
        steering_ = true;
    }
}

void PadMapping::removed(int id, std::vector<PadEvent>& out) {
    if (id != driver_) {
        return;
    }
    PadEmitter emit(out);
    if (held_ != Held::Nothing) {
        emit.send(EventType::LeftButtonUp);
    }
    if (steering_) {
        emit.send(EventType::RightButtonUp);
    }
    for (const DpadKey& dpad : DpadKeys) {
        if ((last_.buttons & dpad.button) != 0) {
            emit.send(EventType::KeyUp, dpad.key);
        }
    }
    PadMapping fresh;
    fresh.deadzone_ = deadzone_;
    fresh.context_ = context_;
    *this = fresh;
}

} // namespace platform
