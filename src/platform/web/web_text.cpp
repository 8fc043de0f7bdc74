// Panel text in the browser: the game's web font, DejaVu Sans Bold, which the page loads before
// the game starts, drawn white on a transparent canvas at the size that gives the 16-pixel line
// of the system font the panel is laid out for; each pixel's opacity is how much of it the glyphs
// cover.
#include <emscripten.h>
#include <string>

#include "platform/display_backend.h"

namespace {

constexpr int LineHeight = 16;

// Draws the text into the page's text canvas; returns its width in pixels (0 for none).
EM_JS(int, drawText, (const char* text, int lineHeight), {
    var canvas = Module.textCanvas;
    if (!canvas) {
        canvas = Module.textCanvas = document.createElement("canvas");
    }
    var context = canvas.getContext("2d", {willReadFrequently : true});
    var font = "bold 13px KestravanPanel, sans-serif";
    context.font = font;
    var line = UTF8ToString(text);
    var width = Math.ceil(context.measureText(line).width);
    if (width <= 0) {
        return 0;
    }
    if (canvas.width < width || canvas.height != lineHeight) {
        canvas.width = Math.max(width, canvas.width);
        canvas.height = lineHeight;
    }
    context.clearRect(0, 0, canvas.width, canvas.height);
    context.font = font;
    context.fillStyle = "#ffffff";
    context.textBaseline = "alphabetic";
    context.fillText(line, 0, 12);
    return width;
});

// Copies the opacity of the text canvas's first width x height pixels, row by row.
EM_JS(void, readCoverage, (unsigned char* coverage, int width, int height), {
    var context = Module.textCanvas.getContext("2d", {willReadFrequently : true});
    var pixels = context.getImageData(0, 0, width, height).data;
    for (var i = 0; i < width * height; i++) {
        HEAPU8[coverage + i] = pixels[i * 4 + 3];
    }
});

} // namespace

namespace platform::backend {

bool renderText(const char* text, int length, TextMask& mask) {
    if (text == nullptr || length <= 0) {
        return false;
    }
    const std::string line(text, static_cast<std::size_t>(length));
    const int width = drawText(line.c_str(), LineHeight);
    if (width <= 0 || width > 4096) {
        return false;
    }
    mask.width = width;
    mask.height = LineHeight;
    mask.coverage.assign(static_cast<std::size_t>(width) * LineHeight, 0);
    readCoverage(mask.coverage.data(), width, LineHeight);
    return true;
}

} // namespace platform::backend
