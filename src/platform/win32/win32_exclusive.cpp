// The exclusive screen on DirectDraw 7: full screen at 1024 x 768 x 8, a primary surface with
// one back buffer and the game's palette. Each frame is copied from the game's 8-bit back
// buffer into DirectDraw's and flipped. Leaving the game gives the desktop its mode back;
// coming back sets 1024 x 768 x 8 again and restores the two flipping surfaces, the only ones
// DirectDraw holds: the sprites live in the game's own memory and are never lost.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_state.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <ddraw.h>
#include <windows.h>

namespace platform::win32 {

namespace {

struct Exclusive {
    ComPointer<IDirectDraw7> directDraw;
    ComPointer<IDirectDrawSurface7> primary;
    IDirectDrawSurface7* backBuffer = nullptr; // attached to the primary, goes with it
    ComPointer<IDirectDrawPalette> palette;
    std::array<PALETTEENTRY, 256> shown{}; // the colours the palette holds now
    bool paletteShown = false;             // false until set, and again after a loss
    bool held = false;                     // exclusive co-operation in force
    bool lost = false;                     // the display mode went back to the desktop's
};

Exclusive theScreen;

HResult asResult(HRESULT result) {
    return static_cast<HResult>(result);
}

HResult cooperate() {
    const HRESULT result = theScreen.directDraw->SetCooperativeLevel(
        state().window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    theScreen.held = SUCCEEDED(result);
    return asResult(result);
}

HResult setMode() {
    return asResult(theScreen.directDraw->SetDisplayMode(ScreenWidth, ScreenHeight, 8, 0, 0));
}

HResult createPrimary() {
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
    if (!theScreen.primary) {
        return DDERR_GENERIC;
    }
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
    theScreen.paletteShown = false;
    IDirectDrawPalette* palette = nullptr;
    const HRESULT result = theScreen.directDraw->CreatePalette(
        DDPCAPS_8BIT | DDPCAPS_ALLOW256, theScreen.shown.data(), &palette, nullptr);
    theScreen.palette.reset(palette);
    return asResult(result);
}

HResult attachPalette() {
    return theScreen.primary && theScreen.palette
               ? asResult(theScreen.primary->SetPalette(theScreen.palette.get()))
               : DDERR_GENERIC;
}

// Gives the hardware palette the frame's colours when they changed.
void showPalette(const PaletteEntry* colours) {
    std::array<PALETTEENTRY, 256> wanted;
    for (int i = 0; i < 256; ++i) {
        wanted[i] = {colours[i].red, colours[i].green, colours[i].blue, 0};
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
    const HRESULT result =
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

void freeSurfaces() {
    theScreen.backBuffer = nullptr;
    theScreen.primary.reset();
    theScreen.palette.reset();
}

} // namespace

HResult createDirectDraw() {
    IDirectDraw7* directDraw = nullptr;
    const HRESULT result = DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directDraw),
                                              IID_IDirectDraw7, nullptr);
    theScreen.directDraw.reset(directDraw);
    return asResult(result);
}

HResult exclusiveStep(backend::DisplayStep step, int width, int height, int bitsPerPixel) {
    using backend::DisplayStep;
    if (!theScreen.directDraw) {
        return DDERR_GENERIC;
    }
    switch (step) {
    case DisplayStep::CreateDevice:
        return S_OK;
    case DisplayStep::CooperativeLevel:
        return cooperate();
    case DisplayStep::DisplayMode:
        return asResult(theScreen.directDraw->SetDisplayMode(
            static_cast<DWORD>(width), static_cast<DWORD>(height), static_cast<DWORD>(bitsPerPixel),
            0, 0));
    case DisplayStep::PrimarySurface:
        return createPrimary();
    case DisplayStep::BackBuffer:
        return attachBackBuffer();
    case DisplayStep::CreatePalette:
        return createPalette();
    case DisplayStep::SetPalette:
        return attachPalette();
    }
    return DDERR_GENERIC;
}

HResult enterExclusive() {
    if (!theScreen.directDraw) {
        return DDERR_GENERIC;
    }
    freeSurfaces();
    HResult result = cooperate();
    if (result == S_OK) {
        result = setMode();
    }
    if (result == S_OK) {
        result = createPrimary();
    }
    if (result == S_OK) {
        result = attachBackBuffer();
    }
    if (result == S_OK) {
        result = createPalette();
    }
    if (result == S_OK) {
        result = attachPalette();
    }
    theScreen.lost = false;
    if (result != S_OK) {
        leaveExclusive();
    }
    return result;
}

void leaveExclusive() {
    freeSurfaces();
    theScreen.lost = false;
    if (theScreen.directDraw && theScreen.held) {
        theScreen.directDraw->RestoreDisplayMode();
        theScreen.directDraw->SetCooperativeLevel(state().window, DDSCL_NORMAL);
        theScreen.held = false;
    }
}

void loseExclusive() {
    if (theScreen.directDraw && theScreen.held && !theScreen.lost) {
        theScreen.directDraw->RestoreDisplayMode();
        theScreen.lost = true;
    }
}

bool exclusiveLost() {
    return theScreen.lost ||
           (theScreen.primary && theScreen.primary->IsLost() == DDERR_SURFACELOST);
}

HResult restoreExclusive() {
    if (!theScreen.primary) {
        return DDERR_GENERIC;
    }
    // The mode first: surfaces made for 1024 x 768 x 8 cannot come back on another.
    if (theScreen.lost) {
        const HResult result = setMode();
        if (result != S_OK) {
            return result;
        }
        theScreen.lost = false;
    }
    // Restoring the primary surface restores its back buffer with it; the colours are given
    // again with the next frame.
    theScreen.paletteShown = false;
    const HRESULT result = theScreen.primary->Restore();
    return SUCCEEDED(result) ? S_OK : asResult(result);
}

HResult showExclusive(const std::uint8_t* pixels, int width, int height,
                      const PaletteEntry* colours) {
    if (!theScreen.primary || theScreen.backBuffer == nullptr) {
        return DDERR_GENERIC;
    }
    if (exclusiveLost()) {
        return DDERR_SURFACELOST;
    }
    if (theScreen.palette) {
        showPalette(colours);
    }
    HResult result = copyFrame(pixels, width, height);
    if (result == S_OK) {
        result = asResult(theScreen.primary->Flip(nullptr, DDFLIP_WAIT));
    }
    return result;
}

void closeDirectDraw() {
    leaveExclusive();
    theScreen.directDraw.reset();
}

} // namespace platform::win32
