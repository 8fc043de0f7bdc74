// The screen in the browser: the page's 1024 x 768 canvas, at 60 frames a second whatever the
// monitor's refresh rate, since the game's speed is counted in frames. With WebGL the 8-bit
// back buffer goes to the graphics card, which looks its colours up; without, it is expanded
// through the palette here into an RGBA picture for the 2D canvas.
#include <array>
#include <cstdint>
#include <cstring>
#include <emscripten.h>
#include <memory>
#include <utility>
#include <vector>

#include "platform/display_backend.h"
#include "platform/emulation/palette_expander.h"
#include "platform/web/web_gl_frame.h"
#include "platform/web/web_state.h"

namespace platform::backend {

namespace {

constexpr double FrameMilliseconds = 1000.0 / 60.0;

EM_JS(void, putFrame, (const std::uint32_t* pixels, int width, int height), {
    var canvas = document.getElementById("canvas");
    if (!Module.frameImage || Module.frameImage.width != width) {
        Module.frameContext = canvas.getContext("2d", {alpha : false});
        Module.frameImage = Module.frameContext.createImageData(width, height);
    }
    var bytes = width * height * 4;
    Module.frameImage.data.set(HEAPU8.subarray(pixels, pixels + bytes));
    Module.frameContext.putImageData(Module.frameImage, 0, 0);
    if (Module.frameDrawn) {
        Module.frameDrawn();
    }
});

// Waits, without holding up the browser, for its next animation frame.
EM_ASYNC_JS(void, waitForAnimationFrame, (), {
    await new Promise(function(wakeUp) { requestAnimationFrame(function() { wakeUp(); }); });
});

struct Screen {
    std::vector<std::uint32_t> pixels;
    PaletteExpander expander;
    std::unique_ptr<Palette> canvasColours; // the palette with red and blue swapped
    std::array<PaletteEntry, 256> lastPalette{};
    bool webGl = false;
    bool coloursShown = false; // the WebGL palette texture holds lastGlColours
    std::array<PaletteEntry, 256> lastGlColours{};
    double due = 0;
};

std::unique_ptr<Screen> theScreen;

// The canvas takes its bytes red first: the expander, which writes 0xAARRGGBB, does that when
// it is given the palette with red and blue swapped.
const Palette& canvasPalette(Screen& screen, const Palette& palette) {
    if (screen.canvasColours == nullptr ||
        std::memcmp(screen.lastPalette.data(), palette.entries().data(),
                    sizeof screen.lastPalette) != 0) {
        std::array<PaletteEntry, 256> swapped = palette.entries();
        for (PaletteEntry& entry : swapped) {
            std::swap(entry.red, entry.blue);
        }
        screen.canvasColours = std::make_unique<Palette>(swapped.data());
        screen.lastPalette = palette.entries();
    }
    return *screen.canvasColours;
}

// Returns when the next frame is due, at an animation frame: only when the game gives the
// browser its turn does the picture reach the screen. After a long stall (a background tab)
// the schedule starts afresh.
void waitForNextFrame(Screen& screen) {
    double now = emscripten_get_now();
    if (screen.due == 0 || now > screen.due + 4 * FrameMilliseconds) {
        screen.due = now;
    }
    screen.due += FrameMilliseconds;
    // An animation frame a little early counts: a 60 Hz monitor's frames jitter about the due
    // time, and on faster monitors the frames between are skipped.
    do {
        waitForAnimationFrame();
        now = emscripten_get_now();
    } while (now < screen.due - 2.0);
}

} // namespace

HResult displayStep(DisplayStep step, Window* /*window*/, int width, int height,
                    int /*bitsPerPixel*/) {
    if (step == DisplayStep::DisplayMode) {
        if (width != 1024 || height != 768) {
            return DDERR_GENERIC;
        }
        theScreen = std::make_unique<Screen>();
        theScreen->webGl = web::startGlFrames(width, height);
        if (!theScreen->webGl) {
            theScreen->pixels.resize(static_cast<std::size_t>(width) * height);
        }
    }
    return S_OK;
}

HResult present(const Surface& frame, const Palette& palette) {
    if (theScreen == nullptr || frame.width() != 1024 || frame.height() != 768) {
        return DDERR_GENERIC;
    }
    Screen& screen = *theScreen;
    // Counted first, so that the page's frameDrawn hook sees this frame's number.
    ++web::state().framesShown;
    if (screen.webGl) {
        const bool sameColours = screen.coloursShown &&
                                 std::memcmp(screen.lastGlColours.data(), palette.entries().data(),
                                             sizeof screen.lastGlColours) == 0;
        web::showGlFrame(frame.pixels(), sameColours ? nullptr : palette.entries().data());
        screen.lastGlColours = palette.entries();
        screen.coloursShown = true;
    } else {
        screen.expander.expand(frame, canvasPalette(screen, palette), screen.pixels.data(),
                               frame.width() * 4);
        putFrame(screen.pixels.data(), frame.width(), frame.height());
    }
    waitForNextFrame(screen);
    return S_OK;
}

// The canvas keeps no resources of its own that the browser could take away.
HResult restoreDisplay() {
    return theScreen != nullptr ? S_OK : DDERR_GENERIC;
}

HResult acquireDC() {
    return S_OK;
}

void closeDisplay() {
    theScreen.reset();
}

} // namespace platform::backend
