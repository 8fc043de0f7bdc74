// The frame in an ordinary window, by GDI: the 8-bit frame goes to StretchDIBits with the
// palette as its colour table, stretched without smoothing (each pixel a sharp block) into the
// place the scale gives it, and the rest of the client area is painted black.
#include <array>

#include "platform/win32/win32_screen.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::win32 {

namespace {

struct PalettedInfo {
    BITMAPINFOHEADER header;
    std::array<RGBQUAD, 256> colours;
};

void paintBars(HDC context, const RECT& client, const Placement& frame) {
    const auto bar = [context](LONG left, LONG top, LONG right, LONG bottom) {
        if (right > left && bottom > top) {
            PatBlt(context, left, top, right - left, bottom - top, BLACKNESS);
        }
    };
    const LONG frameRight = frame.x + frame.width;
    const LONG frameBottom = frame.y + frame.height;
    bar(client.left, client.top, client.right, frame.y);
    bar(client.left, frameBottom, client.right, client.bottom);
    bar(client.left, frame.y, frame.x, frameBottom);
    bar(frameRight, frame.y, client.right, frameBottom);
}

} // namespace

Placement clientPlacement(HWND window, bool integerScale) {
    RECT client{};
    GetClientRect(window, &client);
    return placeScreen(client.right - client.left, client.bottom - client.top, integerScale);
}

void showScaled(HWND window, const std::uint8_t* pixels, int width, int height,
                const PaletteEntry* colours, bool integerScale) {
    if (window == nullptr || pixels == nullptr || IsIconic(window)) {
        return;
    }
    PalettedInfo info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height; // rows top to bottom, as the frame keeps them
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) {
        info.colours[i] = {colours[i].blue, colours[i].green, colours[i].red, 0};
    }
    RECT client{};
    GetClientRect(window, &client);
    const Placement frame = clientPlacement(window, integerScale);
    HDC context = GetDC(window);
    if (context == nullptr) {
        return;
    }
    SetStretchBltMode(context, COLORONCOLOR);
    StretchDIBits(context, frame.x, frame.y, frame.width, frame.height, 0, 0, width, height, pixels,
                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    paintBars(context, client, frame);
    ReleaseDC(window, context);
}

} // namespace platform::win32
