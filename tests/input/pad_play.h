// A pad plays the real game: the same sequence on every back end, through a small driver that
// works the back end's own pad (a virtual controller, a stand-in for XInput).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/game.h"

class PadDriver {
public:
    virtual ~PadDriver() = default;
    virtual void plug() = 0;
    virtual void unplug() = 0;
    virtual int padsHeard() const = 0;
    virtual void stick(float x, float y) = 0;
    // button: a platform::PadButton
    virtual void button(unsigned button, bool down) = 0;
    // Down and up before the game looks again.
    virtual void tap(unsigned button) = 0;
    // Points the mouse at (x, y) and delivers a left press and release together.
    virtual void clickAtOnce(int x, int y) = 0;
};

// One thing the player does, and what the game shows for it within a few frames.
struct PadStep {
    std::string what;
    std::function<void(Game&)> act;
    std::function<bool(const Game&)> done = [](const Game&) { return true; };
};

// Runs the real game's loop through the steps; the first step that did not come about, or
// empty. The last step ends the game. With endState, a demo is recorded (startRecording
// comes first) and the game's end state is kept.
std::string playSteps(const std::vector<PadStep>& steps, std::string* endState = nullptr);

// Steering, a kind picked, the speed frozen, a throw that scores, a click delivered at once,
// the menu and Escape, with the pad unplugged and plugged again on the way.
std::vector<PadStep> wholeGame(PadDriver& pad);

// Play with the pad alone, nothing set by the test: fit for a demo.
std::vector<PadStep> padOnlyGame(PadDriver& pad);
