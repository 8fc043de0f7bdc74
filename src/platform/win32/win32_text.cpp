// Panel text on Windows: GDI writes it in the system font, white on black, into a memory
// bitmap, so that each pixel's brightness is how much of it the glyphs cover.
#include <cstring>

#include "platform/display_backend.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform::backend {

namespace {

// A drawing context with a 32-bit bitmap of at least the size asked for, kept between calls.
class TextCanvas {
public:
    ~TextCanvas() {
        if (context_ != nullptr) {
            DeleteDC(context_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }

    HDC context() {
        if (context_ == nullptr) {
            context_ = CreateCompatibleDC(nullptr);
            if (context_ != nullptr) {
                SelectObject(context_, GetStockObject(SYSTEM_FONT));
            }
        }
        return context_;
    }

    // The pixels, 0x00RRGGBB, top row first, width pixels a row; null when none can be had.
    const std::uint32_t* reserve(int width, int height) {
        if (width > width_ || height > height_ || bitmap_ == nullptr) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height; // top row first
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void* pixels = nullptr;
            HBITMAP bitmap = CreateDIBSection(context_, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
            if (bitmap == nullptr) {
                return nullptr;
            }
            SelectObject(context_, bitmap);
            if (bitmap_ != nullptr) {
                DeleteObject(bitmap_);
            }
            bitmap_ = bitmap;
            pixels_ = static_cast<std::uint32_t*>(pixels);
            width_ = width;
            height_ = height;
        }
        return pixels_;
    }
    int stride() const { return width_; }

private:
    HDC context_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

TextCanvas theCanvas;

} // namespace

bool renderText(const char* text, int length, TextMask& mask) {
    HDC context = theCanvas.context();
    if (context == nullptr || text == nullptr || length <= 0) {
        return false;
    }
    SIZE size{};
    if (GetTextExtentPoint32A(context, text, length, &size) == 0 || size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    const std::uint32_t* pixels = theCanvas.reserve(size.cx, size.cy);
    if (pixels == nullptr) {
        return false;
    }
    SetTextColor(context, RGB(255, 255, 255));
    SetBkColor(context, RGB(0, 0, 0));
    SetBkMode(context, OPAQUE);
    if (TextOutA(context, 0, 0, text, length) == 0) {
        return false;
    }
    GdiFlush();
    mask.width = size.cx;
    mask.height = size.cy;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    for (int y = 0; y < mask.height; ++y) {
        const std::uint32_t* in = pixels + static_cast<std::ptrdiff_t>(y) * theCanvas.stride();
        std::uint8_t* out = mask.coverage.data() + static_cast<std::size_t>(y) * mask.width;
        for (int x = 0; x < mask.width; ++x) {
            out[x] = static_cast<std::uint8_t>((in[x] >> 16) & 0xFF);
        }
    }
    return true;
}

} // namespace platform::backend
