// The screen on DirectDraw 7: exclusive full-screen at 1024 x 768 x 8, a primary surface with
// one back buffer and the game's palette. Each frame is copied from the game's 8-bit back
// buffer into DirectDraw's and flipped; frames are paced at 60 a second by our own timer, since
// the flip does not wait for the display everywhere.
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/display_backend.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <ddraw.h>
#include <windows.h>

namespace platform::backend {

namespace {

constexpr int FramesPerSecond = 60;

using win32::ComPointer;

struct Screen {
    ComPointer<IDirectDraw7> directDraw;
    ComPointer<IDirectDrawSurface7> primary;
    IDirectDrawSurface7* backBuffer = nullptr; // attached to the primary, goes with it
    ComPointer<IDirectDrawPalette> palette;
    std::array<PALETTEENTRY, 256> shown{}; // the colours the palette holds now
    bool paletteShown = false;             // false until set, and again after a loss
    bool exclusive = false;
    std::vector<std::uint8_t> lastFrame; // the frame on screen, to show again
    int lastWidth = 0;
    int lastHeight = 0;
};

Screen theScreen;

HResult asResult(HRESULT result) {
    return static_cast<HResult>(result);
}

HResult createPrimary(int /*width*/, int /*height*/) {
    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    description.dwBackBufferCount = 1;
    IDirectDrawSurface7* primary = nullptr;
    const HRESULT result = theScreen.directDraw->CreateSurface(&description, &primary, nullptr);
    theScreen.primary.reset(primary);
    return asResult(result);
}

HResult attachBackBuffer() {
    DDSCAPS2 caps{};
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    IDirectDrawSurface7* back = nullptr;
    const HRESULT result = theScreen.primary->GetAttachedSurface(&caps, &back);
    if (SUCCEEDED(result)) {
        // The primary surface keeps it alive; we only look at it.
        back->Release();
        theScreen.backBuffer = back;
    }
    return asResult(result);
}

HResult createPalette() {
    // Grey levels until the first frame brings the game's colours.
    for (int i = 0; i < 256; ++i) {
        const auto level = static_cast<BYTE>(i);
        theScreen.shown[i] = {level, level, level, 0};
    }
    IDirectDrawPalette* palette = nullptr;
    const HRESULT result = theScreen.directDraw->CreatePalette(
        DDPCAPS_8BIT | DDPCAPS_ALLOW256, theScreen.shown.data(), &palette, nullptr);
    theScreen.palette.reset(palette);
    return asResult(result);
}

// Gives the hardware palette the frame's colours when they changed.
void showPalette(const Palette& palette) {
    std::array<PALETTEENTRY, 256> wanted;
    for (int i = 0; i < 256; ++i) {
        wanted[i] = {palette[i].red, palette[i].green, palette[i].blue, 0};
    }
    if ((!theScreen.paletteShown ||
         std::memcmp(wanted.data(), theScreen.shown.data(), sizeof wanted) != 0) &&
        SUCCEEDED(theScreen.palette->SetEntries(0, 0, 256, wanted.data()))) {
        theScreen.shown = wanted;
        theScreen.paletteShown = true;
    }
}

HResult copyFrame(const std::uint8_t* pixels, int frameWidth, int frameHeight) {
    DDSURFACEDESC2 description{};
    description.dwSize = sizeof description;
    HRESULT result =
        theScreen.backBuffer->Lock(nullptr, &description, DDLOCK_WAIT | DDLOCK_WRITEONLY, nullptr);
    if (FAILED(result)) {
        return asResult(result);
    }
    const int width = std::min(frameWidth, static_cast<int>(description.dwWidth));
    const int height = std::min(frameHeight, static_cast<int>(description.dwHeight));
    auto* out = static_cast<std::uint8_t*>(description.lpSurface);
    for (int y = 0; y < height; ++y) {
        std::memcpy(out + static_cast<std::ptrdiff_t>(y) * description.lPitch,
                    pixels + static_cast<std::ptrdiff_t>(y) * frameWidth,
                    static_cast<std::size_t>(width));
    }
    return asResult(theScreen.backBuffer->Unlock(nullptr));
}

// Sleeps until the next frame is due; after a long stall the schedule starts afresh.
void waitForNextFrame() {
    static LONGLONG due = 0;
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        Sleep(1000 / FramesPerSecond);
        return;
    }
    const LONGLONG period = frequency.QuadPart / FramesPerSecond;
    QueryPerformanceCounter(&now);
    if (due == 0 || now.QuadPart > due + 4 * period) {
        due = now.QuadPart;
    }
    due += period;
    while (now.QuadPart < due) {
        const LONGLONG remaining = (due - now.QuadPart) * 1000 / frequency.QuadPart;
        Sleep(remaining > 1 ? static_cast<DWORD>(remaining - 1) : 1);
        QueryPerformanceCounter(&now);
    }
}

} // namespace

HResult displayStep(DisplayStep step, Window* /*window*/, int width, int height, int bitsPerPixel) {
    HWND window = win32::state().window;
    switch (step) {
    case DisplayStep::CreateDevice: {
        IDirectDraw7* directDraw = nullptr;
        const HRESULT result = DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directDraw),
                                                  IID_IDirectDraw7, nullptr);
        theScreen.directDraw.reset(directDraw);
        return asResult(result);
    }
    case DisplayStep::CooperativeLevel: {
        if (!theScreen.directDraw) {
            return DDERR_GENERIC;
        }
        // The window shows from here on, so that the splash is seen while the game loads.
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        const HRESULT result =
            theScreen.directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
        theScreen.exclusive = SUCCEEDED(result);
        return asResult(result);
    }
    case DisplayStep::DisplayMode:
        return asResult(theScreen.directDraw->SetDisplayMode(
            static_cast<DWORD>(width), static_cast<DWORD>(height), static_cast<DWORD>(bitsPerPixel),
            0, 0));
    case DisplayStep::PrimarySurface:
        return createPrimary(width, height);
    case DisplayStep::BackBuffer:
        return theScreen.primary ? attachBackBuffer() : DDERR_GENERIC;
    case DisplayStep::CreatePalette:
        return theScreen.directDraw ? createPalette() : DDERR_GENERIC;
    case DisplayStep::SetPalette:
        return theScreen.primary && theScreen.palette
                   ? asResult(theScreen.primary->SetPalette(theScreen.palette.get()))
                   : DDERR_GENERIC;
    }
    return DDERR_GENERIC;
}

HResult present(const Surface& frame, const Palette& palette) {
    if (!theScreen.primary || theScreen.backBuffer == nullptr) {
        return DDERR_GENERIC;
    }
    if (theScreen.primary->IsLost() == DDERR_SURFACELOST) {
        return DDERR_SURFACELOST;
    }
    if (theScreen.palette) {
        showPalette(palette);
    }
    theScreen.lastFrame.assign(frame.pixels(),
                               frame.pixels() + static_cast<std::size_t>(frame.width()) *
                                                    static_cast<std::size_t>(frame.height()));
    theScreen.lastWidth = frame.width();
    theScreen.lastHeight = frame.height();
    HResult result = copyFrame(frame.pixels(), frame.width(), frame.height());
    if (result == S_OK) {
        result = asResult(theScreen.primary->Flip(nullptr, DDFLIP_WAIT));
    }
    if (result == DDERR_SURFACELOST) {
        return result;
    }
    waitForNextFrame();
    return result == S_OK ? S_OK : DDERR_GENERIC;
}

} // namespace platform::backend

namespace platform::win32 {

void showLastFrame() {
    if (!backend::theScreen.primary || backend::theScreen.backBuffer == nullptr ||
        backend::theScreen.lastFrame.empty() ||
        backend::theScreen.primary->IsLost() == DDERR_SURFACELOST) {
        return;
    }
    // Lets the system bring the window on screen first; the messages stay queued.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    if (backend::copyFrame(backend::theScreen.lastFrame.data(), backend::theScreen.lastWidth,
                           backend::theScreen.lastHeight) == S_OK) {
        backend::theScreen.primary->Flip(nullptr, DDFLIP_WAIT);
    }
}

} // namespace platform::win32

namespace platform::backend {

HResult restoreDisplay() {
    if (!theScreen.primary) {
        return DDERR_GENERIC;
    }
    // Restoring the primary surface restores its back buffer with it; the colours are given
    // again with the next frame.
    theScreen.paletteShown = false;
    return asResult(theScreen.primary->Restore());
}

HResult acquireDC() {
    if (!theScreen.primary) {
        return S_OK; // drawing before the screen exists goes to memory only
    }
    return theScreen.primary->IsLost() == DDERR_SURFACELOST ? DDERR_SURFACELOST : S_OK;
}

void closeDisplay() {
    theScreen.backBuffer = nullptr;
    theScreen.primary.reset();
    theScreen.palette.reset();
    if (theScreen.directDraw && theScreen.exclusive) {
        theScreen.directDraw->RestoreDisplayMode();
        theScreen.directDraw->SetCooperativeLevel(win32::state().window, DDSCL_NORMAL);
        theScreen.exclusive = false;
    }
    theScreen.directDraw.reset();
}

} // namespace platform::backend
