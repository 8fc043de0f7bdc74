// Everything the scripted back end remembers, in one place so that reset() can start afresh.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/display_backend.h"
#include "platform/session.h"
#include "platform/window.h"

namespace headless {

struct State {
    std::uint32_t clock = 0;
    std::int64_t performanceCounter = 1;
    std::vector<std::string> debugLines;
    std::vector<std::string> errorMessages;

    bool windowCreated = false;
    bool windowDestroyed = false;
    platform::Point cursor;

    std::map<platform::backend::DisplayStep, HResult> failingSteps;
    bool loseAtNextFlip = false;
    bool lost = false;
    bool refuseDC = false;
    int presents = 0;
    int restores = 0;
    int displayCloses = 0;

    // What the scripted machine lacks, for the front door's tests; it lacks nothing unless told.
    std::vector<platform::Feature> lacking;
};

State& state();

// The result a test injected for the step, taken by this one attempt; S_OK when none waits.
template <typename Step> HResult takeInjectedResult(std::map<Step, HResult>& injected, Step step) {
    const auto found = injected.find(step);
    if (found == injected.end()) {
        return S_OK;
    }
    const HResult result = found->second;
    injected.erase(found);
    return result;
}

} // namespace headless
