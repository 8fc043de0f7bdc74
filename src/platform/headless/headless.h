// The scripted back end's controls, for tests and the simulator: a clock that moves only when
// told, input queued by hand, a cursor set by hand, and failures injected on demand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_backend.h"
#include "platform/result.h"
#include "platform/window.h"

namespace headless {

// Back to a fresh machine: clock at 0, no window, no events, no failures, nothing recorded.
void reset();

// The clock. sleep() advances it too.
void setClock(std::uint32_t milliseconds);
void advanceClock(std::uint32_t milliseconds);

// 0 makes the machine one without a high-resolution counter.
void setPerformanceCounter(std::int64_t value);

void queueEvent(const platform::Event& event);
// Where the mouse points, in screen pixels; the cursor stays on the screen wherever it is.
void setCursor(int x, int y);

bool windowExists();
const std::vector<std::string>& debugLines();
const std::vector<std::string>& errorMessages();

// The display: the next attempt of the step fails with the result.
void failDisplayStep(platform::backend::DisplayStep step, HResult result);
// The next flip reports the surfaces lost.
void loseSurfacesAtNextFlip();
// The next drawing context asked for is refused.
void refuseNextDC();
int presentCount();
int restoreCount();
// How often the display was closed (its device released or its window destroyed).
int displayCloseCount();

} // namespace headless
