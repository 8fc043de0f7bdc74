// Clocks, sleep and messages in the browser. Sleeping hands the page back to the browser
// (the game's blocking waits are unwound and resumed around it), so the page stays alive.
#include <cstdio>
#include <emscripten.h>

#include "platform/input_queue.h"
#include "platform/system.h"

namespace {

// The error box: the page's overlay with the caption and the message.
EM_JS(void, showErrorOverlay, (const char* caption, const char* text), {
    if (Module["showError"]) {
        Module["showError"](UTF8ToString(caption), UTF8ToString(text));
    } else {
        alert(UTF8ToString(caption) + "\n" + UTF8ToString(text));
    }
});

} // namespace

namespace platform {

std::uint32_t backend::clockTicks() {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

// Microseconds of the page's clock; never 0, which would mean there is no such counter.
std::int64_t performanceCounter() {
    return static_cast<std::int64_t>(emscripten_get_now() * 1000.0) + 1;
}

void backend::clockSleep(std::uint32_t milliseconds) {
    emscripten_sleep(milliseconds);
}

void debugLine(const char* text) {
    std::fputs(text, stderr);
}

void tellPlayer(const char* text, bool error) {
    std::fputs(text, error ? stderr : stdout);
}

void errorBox(const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    showErrorOverlay(caption, text);
}

void shutdown() {}

} // namespace platform
