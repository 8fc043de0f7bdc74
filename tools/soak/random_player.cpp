// The random player's moves.
#include "soak/random_player.h"

#include "platform/headless/headless.h"

using platform::EventType;

namespace {

void send(EventType type, int key = 0) {
    headless::queueEvent({type, key, false});
}

} // namespace

std::uint32_t RandomPlayer::play(const Game& game) {
    if (game.menuOpen) {
        // Resume, or now and then a new game, never quit. The menu reads the button under
        // the cursor in its own frame, so point first and click in the next.
        if (pointing_) {
            send(EventType::LeftButtonDown);
            send(EventType::LeftButtonUp);
        } else {
            const int button = pick(1, 4) == 1 ? 290 : 380; // new game, or resume
            pointAt(341, 709, button, button);
        }
        pointing_ = !pointing_;
        return 16;
    }
    if (throwStep_ > 0 || pick(1, 12) == 1) {
        // Kind icon, speed button, direction button: a press and a release on each.
        const int zones[3][4] = {{884, 1002, 637, 755}, {824, 882, 637, 755}, {704, 822, 637, 755}};
        if (throwStep_ % 2 == 0) {
            const int* zone = zones[throwStep_ / 2];
            pointAt(zone[0], zone[1], zone[2], zone[3]);
            send(EventType::LeftButtonDown);
        } else {
            send(EventType::LeftButtonUp);
        }
        throwStep_ = (throwStep_ + 1) % 6;
    } else {
        const int arrows[] = {platform::KeyLeft, platform::KeyRight, platform::KeyUp,
                              platform::KeyDown};
        const EventType buttons[] = {EventType::LeftButtonDown, EventType::LeftButtonUp,
                                     EventType::RightButtonDown, EventType::RightButtonUp};
        const int roll = pick(1, 100);
        if (roll <= 5) {
            send(roll <= 3 ? EventType::KeyDown : EventType::KeyUp, arrows[pick(0, 3)]);
        } else if (roll <= 15) {
            pointAt(0, 1023, 0, 767);
        } else if (roll <= 20) {
            send(buttons[pick(0, 3)]);
        }
    }
    const int rare = pick(1, 10000);
    if (rare <= 5) {
        send(EventType::KeyDown, platform::KeyEscape);
        send(EventType::KeyUp, platform::KeyEscape);
    } else if (rare <= 7) {
        headless::queueEvent({EventType::Activate, 0, true});
        headless::queueEvent({EventType::Activate, 0, false});
    } else if (rare <= 10) {
        headless::loseSurfacesAtNextFlip();
    }
    const std::uint32_t ticks[] = {16, 16, 16, 16, 33, 60, 120, 200};
    return ticks[pick(0, 7)];
}

void RandomPlayer::pointAt(int left, int right, int top, int bottom) {
    const int x = pick(left, right);
    headless::setCursor(x, pick(top, bottom));
    send(EventType::MouseMove);
}
