// A player made of code: it holds keys, moves the mouse and presses buttons like a person at the
// game would, runs the game frame by frame on the scripted back end, and writes down every
// input as a line of a kestravan-sim script, so that the game can be replayed exactly.
#pragma once

#include <ostream>
#include <string>

#include "shell/game.h"

class AutoPlayer {
public:
    explicit AutoPlayer(std::ostream& script);

    Game& game() { return *theGame; }
    int frame() const { return frame_; }

    // Runs the next frame with the input given so far; false once the game has quit.
    bool play(int frames = 1);
    void comment(const std::string& text);

    // Input for the next frame, written down as it is given.
    void mouse(int x, int y);
    void rightButton(bool down);
    void leftButton(bool down);
    void escape();
    void lose();
    void tick(int milliseconds);

    // Holds the arrow keys and the right mouse button so that the whirlwind heads for (x, y)
    // as fast as it can; lets go of everything once it is there.
    void steerToward(int x, int y);
    void letGo();

    // Chases figures until that many more have been caught or the frame is reached.
    void catchFigures(int count, int untilFrame);
    // Heads for the nearest standing structure and knocks it down; false when none was reached.
    bool wreckNearestStructure(int untilFrame);
    // Walks the whirlwind to (x, y); false when it got stuck on the way.
    bool goTo(int x, int y, int untilFrame);

    // Throws a caught figure of the kind so that it lands for the points wanted, with a power
    // past the gauge's peak when asked. False when nothing of the kind is caught.
    bool throwFigure(ActorKind kind, int points, bool pastPeak);

private:
    void setKeyDirection(int& held, int wanted, int negativeKey, int positiveKey,
                         const char* negativeName, const char* positiveName);
    void line(const std::string& event);

    std::ostream& script_;
    int frame_ = 0;
    int cursorX_ = -1;
    int cursorY_ = -1;
    bool rightDown_ = false;
    bool leftDown_ = false;
    int keyX_ = 0;
    int keyY_ = 0;
    int nextTick_ = 16;
};
