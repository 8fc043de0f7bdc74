// The frame timer: ticked at the start of every frame, it samples the high-resolution counter
// and says so on the debug line when the machine has none. Nothing in the game reads it.
#pragma once

class FrameTimer {
public:
    FrameTimer();
    ~FrameTimer();
    FrameTimer(const FrameTimer&) = delete;
    FrameTimer& operator=(const FrameTimer&) = delete;

    void tick();
};
