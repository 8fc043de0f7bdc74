// The display device as the game sees it: surfaces and palettes in memory, handed to the back
// end only to be shown.
#include "platform/video.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "platform/display_backend.h"
#include "platform/emulation/builtin_font.h"
#include "platform/input_queue.h"

namespace platform {

struct DisplayDevice {
    Window* window = nullptr;
    int width = 0;
    int height = 0;
    bool modeSet = false;
    std::unique_ptr<Surface> primary;
    std::unique_ptr<Surface> backBuffer;
    std::vector<std::unique_ptr<Palette>> palettes;
    Palette* palette = nullptr;
    std::vector<std::unique_ptr<Surface>> surfaces;
    bool lostAtSeam = false; // a shown demo lost the screen here; a restore brings it back
};

using backend::DisplayStep;

HResult createDisplayDevice(DisplayDevice** device) {
    *device = nullptr;
    const HResult result = backend::displayStep(DisplayStep::CreateDevice, nullptr, 0, 0, 0);
    if (result != S_OK) {
        return result;
    }
    *device = new DisplayDevice;
    return S_OK;
}

void releaseDisplayDevice(DisplayDevice* device) {
    if (device != nullptr) {
        backend::closeDisplay();
        delete device;
    }
}

HResult setCooperativeLevel(DisplayDevice* device, Window* window) {
    const HResult result = backend::displayStep(DisplayStep::CooperativeLevel, window, 0, 0, 0);
    if (result == S_OK) {
        device->window = window;
    }
    return result;
}

HResult setDisplayMode(DisplayDevice* device, int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != 8 || width <= 0 || height <= 0) {
        return DDERR_GENERIC;
    }
    const HResult result =
        backend::displayStep(DisplayStep::DisplayMode, device->window, width, height, bitsPerPixel);
    if (result == S_OK) {
        device->width = width;
        device->height = height;
        device->modeSet = true;
    }
    return result;
}

HResult createPrimarySurface(DisplayDevice* device, Surface** primary) {
    *primary = nullptr;
    if (!device->modeSet) {
        return DDERR_GENERIC;
    }
    const HResult result = backend::displayStep(DisplayStep::PrimarySurface, device->window,
                                                device->width, device->height, 8);
    if (result != S_OK) {
        return result;
    }
    device->primary = std::make_unique<Surface>(device->width, device->height);
    device->backBuffer = std::make_unique<Surface>(device->width, device->height);
    *primary = device->primary.get();
    return S_OK;
}

HResult getBackBuffer(DisplayDevice* device, Surface** backBuffer) {
    *backBuffer = nullptr;
    if (!device->backBuffer) {
        return DDERR_GENERIC;
    }
    const HResult result = backend::displayStep(DisplayStep::BackBuffer, device->window,
                                                device->width, device->height, 8);
    if (result == S_OK) {
        *backBuffer = device->backBuffer.get();
    }
    return result;
}

HResult createPalette(DisplayDevice* device, const PaletteEntry* entries, Palette** palette) {
    *palette = nullptr;
    const HResult result =
        backend::displayStep(DisplayStep::CreatePalette, device->window, 0, 0, 8);
    if (result != S_OK) {
        return result;
    }
    device->palettes.push_back(std::make_unique<Palette>(entries));
    *palette = device->palettes.back().get();
    return S_OK;
}

HResult setPalette(DisplayDevice* device, Palette* palette) {
    const HResult result = backend::displayStep(DisplayStep::SetPalette, device->window, 0, 0, 8);
    if (result == S_OK) {
        device->palette = palette;
    }
    return result;
}

HResult createSurface(DisplayDevice* device, int width, int height, Surface** surface) {
    *surface = nullptr;
    if (width <= 0 || height <= 0) {
        return E_INVALIDARG;
    }
    device->surfaces.push_back(std::make_unique<Surface>(width, height));
    *surface = device->surfaces.back().get();
    return S_OK;
}

void releaseSurface(DisplayDevice* device, Surface* surface) {
    auto& surfaces = device->surfaces;
    const auto held = std::find_if(surfaces.begin(), surfaces.end(),
                                   [surface](const auto& owned) { return owned.get() == surface; });
    if (held != surfaces.end()) {
        surfaces.erase(held);
    }
}

namespace {

// Shows the frame. A demo at the input seam loses the screen where it was lost when recorded,
// and records where it is lost now.
HResult present(DisplayDevice& device, const Palette& palette) {
    InputTap* tap = input::tap();
    if (tap != nullptr && tap->lossDue()) {
        device.lostAtSeam = true;
    }
    const HResult result =
        device.lostAtSeam ? DDERR_SURFACELOST : backend::present(*device.backBuffer, palette);
    if (result == DDERR_SURFACELOST && tap != nullptr) {
        tap->surfacesLost();
    }
    return result;
}

// A demo's frames are drawn as the simulator draws them: with the game's own font.
bool renderTextAsShown(const char* text, int length, backend::TextMask& mask) {
    return input::tap() != nullptr ? renderBuiltinText(text, length, mask)
                                   : backend::renderText(text, length, mask);
}

} // namespace

HResult flip(DisplayDevice* device) {
    if (!device->backBuffer) {
        return DDERR_GENERIC;
    }
    if (device->palette == nullptr) {
        // Before a palette is set the screen shows the back buffer as grey levels.
        static const Palette greys = [] {
            std::array<PaletteEntry, 256> entries;
            for (int i = 0; i < 256; ++i) {
                const auto level = static_cast<std::uint8_t>(i);
                entries[i] = {level, level, level, 0};
            }
            return Palette(entries.data());
        }();
        return present(*device, greys);
    }
    return present(*device, *device->palette);
}

HResult restore(DisplayDevice* device) {
    device->lostAtSeam = false;
    return backend::restoreDisplay();
}

HResult getDC(DisplayDevice* /*device*/, Surface* surface) {
    if (surface == nullptr) {
        return E_INVALIDARG;
    }
    return backend::acquireDC();
}

void releaseDC(DisplayDevice* /*device*/, Surface* /*surface*/) {}

HResult textOut(DisplayDevice* device, Surface* surface, int x, int y, const char* text, int length,
                Rgb textColour, Rgb backColour) {
    backend::TextMask mask;
    if (surface == nullptr || text == nullptr || length <= 0 ||
        !renderTextAsShown(text, length, mask)) {
        return E_FAIL;
    }
    // Each coverage level blends the two colours; the blend is mapped onto the palette once.
    std::array<int, 256> indexForCoverage;
    indexForCoverage.fill(-1);
    const auto blend = [](int back, int front, int coverage) {
        return static_cast<std::uint8_t>(back + (front - back) * coverage / 255);
    };
    for (int row = 0; row < mask.height; ++row) {
        const int screenY = y + row;
        if (screenY < 0 || screenY >= surface->height()) {
            continue;
        }
        for (int column = 0; column < mask.width; ++column) {
            const int screenX = x + column;
            if (screenX < 0 || screenX >= surface->width()) {
                continue;
            }
            const int coverage = mask.coverage[static_cast<std::size_t>(row) * mask.width + column];
            int& index = indexForCoverage[coverage];
            if (index < 0) {
                const Rgb colour{blend(backColour.red, textColour.red, coverage),
                                 blend(backColour.green, textColour.green, coverage),
                                 blend(backColour.blue, textColour.blue, coverage)};
                index = device->palette != nullptr ? device->palette->nearestIndex(colour)
                                                   : (coverage >= 128 ? 255 : 0);
            }
            surface->row(screenY)[screenX] = static_cast<std::uint8_t>(index);
        }
    }
    return S_OK;
}

} // namespace platform
