// How the code player moves: it steers with the arrow keys and the right mouse button at
// once, chases figures so that they run into the whirlwind, and works the panel to throw.
#include "autoplay/autoplayer.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <map>

#include "platform/headless/headless.h"
#include "shell/application.h"
#include "world/actor_kinds.h"
#include "world/scoring.h"

namespace {

using platform::EventType;

// At 16 ms a frame the whirlwind moves 5 pixels a frame with a key, and the mouse adds 5, or
// 7 with the cursor far from the centre.
constexpr int FrameMilliseconds = 16;
constexpr int KeyStep = 5;
constexpr int NearMouseStep = 5;
constexpr int FarMouseStep = 7;

// Cursor positions that steer one axis: far back, near back, still, near on, far on.
constexpr int SteerX[] = {200, 380, 480, 580, 700};
constexpr int SteerY[] = {100, 190, 288, 390, 500};

// Where a figure must stand, from the whirlwind, to be caught after its own step away.
constexpr int CatchAtX = 22;
constexpr int CatchAtY = 17;

// Panel points: the middle of each button.
struct Point {
    int x;
    int y;
};
constexpr Point KindIcon[] = {{973, 666}, {973, 726}, {913, 666}, {913, 726}};
constexpr Point SpeedButton{853, 696};
constexpr Point DirectionButton{763, 696};

// A figure at (6715, 699) lies at the bull's eye; how far from it to land for fewer points.
int aimOffsetFor(int points) {
    switch (points) {
    case 50:
        return 30;
    case 25:
        return 58;
    case 10:
        return 90;
    default:
        return 0;
    }
}

// One axis of steering: the key (-1, 0, +1) and the cursor's slot in SteerX / SteerY.
void steerAxis(int distance, int& key, int& slot) {
    key = distance >= KeyStep + FarMouseStep ? 1 : distance <= -(KeyStep + FarMouseStep) ? -1 : 0;
    const int rest = distance - key * KeyStep;
    slot = rest >= FarMouseStep     ? 4
           : rest >= NearMouseStep  ? 3
           : rest <= -FarMouseStep  ? 0
           : rest <= -NearMouseStep ? 1
                                    : 2;
}

int caughtInAll(const Game& game) {
    return game.caught[0] + game.caught[1] + game.caught[2] + game.caught[3];
}

// Where a figure thrown now would come to rest, exactly as the flight adds it up.
void predictLanding(const Game& game, double power, double angleCount, double& x, double& y) {
    const double speed = power <= 65 ? power * 0.1 : (65 - (power - 65)) * 0.1;
    const double angle = angleCount * 0.1;
    const double vx = speed * std::cos(angle);
    const double vy = speed * std::sin(angle);
    x = game.whirlwindX + 15;
    y = game.whirlwindY + 15;
    for (int i = 0; i < 99; ++i) {
        x += vx;
        y += vy;
    }
}

} // namespace

AutoPlayer::AutoPlayer(std::ostream& script) : script_(script) {}

void AutoPlayer::line(const std::string& event) {
    script_ << frame_ + 1 << ' ' << event << '\n';
}

void AutoPlayer::comment(const std::string& text) {
    script_ << "\n# " << text << '\n';
}

bool AutoPlayer::play(int frames) {
    for (int i = 0; i < frames; ++i) {
        ++frame_;
        headless::advanceClock(static_cast<std::uint32_t>(nextTick_));
        nextTick_ = FrameMilliseconds;
        if (!runLoopTurn()) {
            return false;
        }
    }
    return true;
}

void AutoPlayer::mouse(int x, int y) {
    if (x == cursorX_ && y == cursorY_) {
        return;
    }
    cursorX_ = x;
    cursorY_ = y;
    headless::setCursor(x, y);
    headless::queueEvent({EventType::MouseMove, 0, false});
    line("mouse " + std::to_string(x) + " " + std::to_string(y));
}

void AutoPlayer::rightButton(bool down) {
    if (down == rightDown_) {
        return;
    }
    rightDown_ = down;
    headless::queueEvent({down ? EventType::RightButtonDown : EventType::RightButtonUp, 0, false});
    line(down ? "rdown" : "rup");
}

void AutoPlayer::leftButton(bool down) {
    if (down == leftDown_) {
        return;
    }
    leftDown_ = down;
    headless::queueEvent({down ? EventType::LeftButtonDown : EventType::LeftButtonUp, 0, false});
    line(down ? "ldown" : "lup");
}

void AutoPlayer::escape() {
    headless::queueEvent({EventType::KeyDown, platform::KeyEscape, false});
    headless::queueEvent({EventType::KeyUp, platform::KeyEscape, false});
    line("keydown ESCAPE");
    line("keyup ESCAPE");
}

void AutoPlayer::lose() {
    headless::loseSurfacesAtNextFlip();
    line("lose");
}

void AutoPlayer::tick(int milliseconds) {
    nextTick_ = milliseconds;
    line("tick " + std::to_string(milliseconds));
}

void AutoPlayer::setKeyDirection(int& held, int wanted, int negativeKey, int positiveKey,
                                 const char* negativeName, const char* positiveName) {
    if (wanted == held) {
        return;
    }
    if (wanted == 0) {
        const bool negative = held < 0;
        headless::queueEvent({EventType::KeyUp, negative ? negativeKey : positiveKey, false});
        line(std::string("keyup ") + (negative ? negativeName : positiveName));
    } else {
        const bool negative = wanted < 0;
        headless::queueEvent({EventType::KeyDown, negative ? negativeKey : positiveKey, false});
        line(std::string("keydown ") + (negative ? negativeName : positiveName));
    }
    held = wanted;
}

void AutoPlayer::steerToward(int x, int y) {
    int keyX = 0;
    int keyY = 0;
    int slotX = 2;
    int slotY = 2;
    steerAxis(x - game().whirlwindX, keyX, slotX);
    steerAxis(y - game().whirlwindY, keyY, slotY);
    setKeyDirection(keyX_, keyX, platform::KeyLeft, platform::KeyRight, "LEFT", "RIGHT");
    setKeyDirection(keyY_, keyY, platform::KeyUp, platform::KeyDown, "UP", "DOWN");
    mouse(SteerX[slotX], SteerY[slotY]);
    rightButton(true);
}

void AutoPlayer::letGo() {
    setKeyDirection(keyX_, 0, platform::KeyLeft, platform::KeyRight, "LEFT", "RIGHT");
    setKeyDirection(keyY_, 0, platform::KeyUp, platform::KeyDown, "UP", "DOWN");
    rightButton(false);
    leftButton(false);
}

void AutoPlayer::catchFigures(int count, int untilFrame) {
    const int wanted = caughtInAll(game()) + count;
    std::map<const Actor*, int> avoidUntil; // figures the whirlwind could not get at
    const Actor* target = nullptr;
    int bestDistance = INT_MAX;
    int lastProgress = frame_;
    while (caughtInAll(game()) < wanted && frame_ < untilFrame) {
        if (target == nullptr) {
            int nearest = INT_MAX;
            for (const ActorTable& table : actorTables(game())) {
                for (int i = 0; i < table.count; ++i) {
                    const Actor& figure = table.actors[i];
                    const auto avoided = avoidUntil.find(&figure);
                    if ((avoided != avoidUntil.end() && avoided->second > frame_) ||
                        figure.x - CatchAtX < 480 || figure.y - CatchAtY < 288) {
                        continue;
                    }
                    const int distance = std::abs(figure.x - game().whirlwindX) +
                                         std::abs(figure.y - game().whirlwindY);
                    if (distance < nearest) {
                        nearest = distance;
                        target = &figure;
                    }
                }
            }
            if (target == nullptr) {
                break;
            }
            bestDistance = INT_MAX;
            lastProgress = frame_;
        }
        const int before = caughtInAll(game());
        steerToward(target->x - CatchAtX, target->y - CatchAtY);
        if (!play()) {
            return;
        }
        if (caughtInAll(game()) != before) {
            target = nullptr;
            continue;
        }
        const int distance = std::abs(target->x - CatchAtX - game().whirlwindX) +
                             std::abs(target->y - CatchAtY - game().whirlwindY);
        if (distance < bestDistance - 2) {
            bestDistance = distance;
            lastProgress = frame_;
        } else if (frame_ - lastProgress > 40) {
            avoidUntil[target] = frame_ + 600;
            target = nullptr;
        }
    }
    letGo();
}

bool AutoPlayer::goTo(int x, int y, int untilFrame) {
    int bestDistance = INT_MAX;
    int lastProgress = frame_;
    while (frame_ < untilFrame) {
        const int distance = std::abs(x - game().whirlwindX) + std::abs(y - game().whirlwindY);
        if (distance < 2 * NearMouseStep) {
            letGo();
            return true;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            lastProgress = frame_;
        } else if (frame_ - lastProgress > 40) {
            break;
        }
        steerToward(x, y);
        if (!play()) {
            return false;
        }
    }
    letGo();
    return false;
}

bool AutoPlayer::wreckNearestStructure(int untilFrame) {
    int nearest = INT_MAX;
    int target = -1;
    for (int cell = 0; cell < CellCount; ++cell) {
        const std::int32_t standing = game().structureTiles[cell];
        if (standing != Structure::Tepee && standing != Structure::FarmHouse &&
            standing < Structure::Fence_RLSide) {
            continue;
        }
        const int x = cell / MapRows * TileSize + TileSize / 2;
        const int y = cell % MapRows * TileSize + TileSize / 2;
        const int distance = std::abs(x - game().whirlwindX) + std::abs(y - game().whirlwindY);
        if (x >= 480 && y >= 288 && distance < nearest) {
            nearest = distance;
            target = cell;
        }
    }
    if (target < 0) {
        return false;
    }
    goTo(target / MapRows * TileSize + TileSize / 2, target % MapRows * TileSize + TileSize / 2,
         untilFrame);
    const std::int32_t left = game().structureTiles[target];
    return left == Structure::TepeeDown || left == Structure::FarmHouseDown;
}

bool AutoPlayer::throwFigure(ActorKind kind, int points, bool pastPeak) {
    if (game().caught[kindIndex(kind)] <= 0) {
        return false;
    }
    letGo();
    play();
    // Choose the kind.
    mouse(KindIcon[kindIndex(kind)].x, KindIcon[kindIndex(kind)].y);
    leftButton(true);
    play();
    leftButton(false);
    play();

    // The power that carries the figure to the aiming point.
    const double startX = game().whirlwindX + 15;
    const double startY = game().whirlwindY + 15;
    const double distance = std::hypot(6715 - startX, 699 + aimOffsetFor(points) - startY);
    int power = 0;
    for (int p = 0; p <= 65; ++p) {
        if (std::abs(p * 9.9 - distance) < std::abs(power * 9.9 - distance)) {
            power = p;
        }
    }
    if (pastPeak && power < 65) {
        power = 130 - power;
    }
    mouse(SpeedButton.x, SpeedButton.y);
    while (game().launchPower != power) {
        play();
    }
    leftButton(true);
    play();
    leftButton(false);
    play();

    // Hold the direction button and let go when the needle points the right way.
    mouse(DirectionButton.x, DirectionButton.y);
    leftButton(true);
    play();
    for (int frame = 0; frame < 4000; ++frame) {
        double x = 0;
        double y = 0;
        predictLanding(game(), game().launchPower, game().launchAngle, x, y);
        if (points < 0 || landingScore(x, y) == points) {
            break;
        }
        play();
    }
    leftButton(false);
    play();
    return true;
}
