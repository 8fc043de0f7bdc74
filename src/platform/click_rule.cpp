// The click rule: a release that follows its press within one turn of the loop waits for the
// next turn, and whatever came after it waits behind it.
#include "platform/click_rule.h"

namespace platform {

namespace {

constexpr unsigned LeftBit = 1;
constexpr unsigned RightBit = 2;

unsigned pressBit(EventType type) {
    switch (type) {
    case EventType::LeftButtonDown:
        return LeftBit;
    case EventType::RightButtonDown:
        return RightBit;
    default:
        return 0;
    }
}

unsigned releaseBit(EventType type) {
    switch (type) {
    case EventType::LeftButtonUp:
        return LeftBit;
    case EventType::RightButtonUp:
        return RightBit;
    default:
        return 0;
    }
}

} // namespace

bool ClickRule::mayTake(const Event& event) const {
    return (releaseBit(event.type) & pressedThisTurn_) == 0;
}

void ClickRule::taken(const Event& event) {
    pressedThisTurn_ |= pressBit(event.type);
}

} // namespace platform
