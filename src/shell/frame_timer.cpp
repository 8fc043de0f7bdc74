// The frame timer's one duty: notice a machine without a high-resolution counter, every frame.
#include "shell/frame_timer.h"

#include <cstdint>

#include "platform/system.h"

FrameTimer::FrameTimer() = default;
FrameTimer::~FrameTimer() = default;

void FrameTimer::tick() {
    const std::int64_t counter = platform::performanceCounter();
    if (counter == 0) {
        platform::debugLine("ERROR: The system does not support high resolution timing\n");
    }
}
