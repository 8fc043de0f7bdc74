// The scripted back end's screen: frames are counted, not shown; set-up steps, drawing
// contexts and the surfaces themselves fail when a test asks for it.
#include "platform/display_backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"

namespace platform::backend {

HResult displayStep(DisplayStep step, Window* /*window*/, int /*width*/, int /*height*/,
                    int /*bitsPerPixel*/) {
    return headless::takeInjectedResult(headless::state().failingSteps, step);
}

HResult present(const Surface& /*frame*/, const Palette& /*palette*/) {
    auto& state = headless::state();
    if (state.loseAtNextFlip) {
        state.loseAtNextFlip = false;
        state.lost = true;
    }
    if (state.lost) {
        return DDERR_SURFACELOST;
    }
    ++state.presents;
    return S_OK;
}

HResult restoreDisplay() {
    auto& state = headless::state();
    ++state.restores;
    state.lost = false;
    return S_OK;
}

HResult acquireDC() {
    auto& state = headless::state();
    if (state.refuseDC) {
        state.refuseDC = false;
        return DDERR_GENERIC;
    }
    return S_OK;
}

void closeDisplay() {
    ++headless::state().displayCloses;
}

} // namespace platform::backend

namespace headless {

void failDisplayStep(platform::backend::DisplayStep step, HResult result) {
    state().failingSteps[step] = result;
}
void loseSurfacesAtNextFlip() {
    state().loseAtNextFlip = true;
}
void refuseNextDC() {
    state().refuseDC = true;
}
int presentCount() {
    return state().presents;
}
int restoreCount() {
    return state().restores;
}
int displayCloseCount() {
    return state().displayCloses;
}

} // namespace headless
