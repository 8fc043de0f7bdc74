// The click rule: a button's press or release that follows another change of that button
// within one turn of the loop waits for the next turn, and whatever came after it waits behind
// it. So a release is seen after its press, and a press after the release before it.
#include "platform/click_rule.h"

namespace platform {

namespace {

constexpr unsigned LeftBit = 1;
constexpr unsigned RightBit = 2;

unsigned buttonBit(EventType type) {
    switch (type) {
    case EventType::LeftButtonDown:
    case EventType::LeftButtonUp:
        return LeftBit;
    case EventType::RightButtonDown:
    case EventType::RightButtonUp:
        return RightBit;
    default:
        return 0;
    }
}

} // namespace

bool ClickRule::mayTake(const Event& event) const {
    return (buttonBit(event.type) & changedThisTurn_) == 0;
}

void ClickRule::taken(const Event& event) {
    changedThisTurn_ |= buttonBit(event.type);
}

} // namespace platform
