// Demos: a game recorded at the input seam, every input event with its frame and
// every frame's clock advance, written as a script the simulator plays; and such a script
// shown again at the pace it was recorded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window.h"
#include "replay/script_line.h"

namespace replay::demo {

using platform::Event;
using platform::Point;

enum class Mode { Off, Record, Play };
Mode mode();

// Starts writing the demo; false with the reason when the file cannot be made.
bool startRecording(const std::string& path, std::string& error);
// Starts showing the steps (in frame order).
void startPlaying(std::vector<ScriptLine> lines);
// Writes out what is left and goes back to live play.
void stop();

// A new turn of the message loop: the next frame, and its clock advance (measured when
// recording, as recorded when playing; a playing turn waits until its time has come).
void beginTurn();
int frame();

// The clock the game reads while a demo runs. Sleeping advances it.
std::uint32_t clock();
void sleep(std::uint32_t milliseconds);

// The cursor as the demo knows it: moved only by the events it carries.
Point cursor();

// Recording: an event the game takes (a mouse event with the cursor it saw), and a lost
// screen found at this frame's present.
void recordInput(const Event& event, Point cursor);
void recordLoss();
// Whether no cursor position has been written yet (the demo starts where the mouse is).
bool needsCursor();

// Playing: the next event of this frame, false when there is none; whether this frame's
// present loses the screen; whether every recorded frame has been shown.
bool nextInput(Event& event);
bool lossDue();
bool finished();

} // namespace replay::demo
