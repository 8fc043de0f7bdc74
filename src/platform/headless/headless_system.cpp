// Clock, counter, sleep and messages of the scripted back end: time passes only when told.
#include <cstdio>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/input_queue.h"
#include "platform/system.h"

namespace platform {

std::uint32_t backend::clockTicks() {
    return headless::state().clock;
}

std::int64_t performanceCounter() {
    return headless::state().performanceCounter;
}

void backend::clockSleep(std::uint32_t milliseconds) {
    headless::state().clock += milliseconds;
}

void debugLine(const char* text) {
    headless::state().debugLines.emplace_back(text);
    std::fputs(text, stderr);
}

void tellPlayer(const char* text, bool error) {
    std::fputs(text, error ? stderr : stdout);
}

void errorBox(const char* caption, const char* text) {
    headless::state().errorMessages.emplace_back(text);
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

void shutdown() {}

} // namespace platform

namespace headless {

void setClock(std::uint32_t milliseconds) {
    state().clock = milliseconds;
}
void advanceClock(std::uint32_t milliseconds) {
    state().clock += milliseconds;
}
void setPerformanceCounter(std::int64_t value) {
    state().performanceCounter = value;
}
const std::vector<std::string>& debugLines() {
    return state().debugLines;
}
const std::vector<std::string>& errorMessages() {
    return state().errorMessages;
}

} // namespace headless
