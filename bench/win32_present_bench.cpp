// The ways a scaled 8-bit frame can reach a window on Windows, each timed per frame against a
// plain copy of the frame's 786,432 bytes in the same run: GDI StretchDIBits with the palette
// as colour table, and DirectDraw at its normal level (the frame expanded through the palette
// into a 32-bit surface, then a stretching Blt onto the primary through a clipper), and
// Direct3D 9 with the palette looked up in a pixel shader. Run it on the screen it is to
// measure; it prints one line a way.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include "win32_present.h"

#include <ddraw.h>

namespace {

using present::Frame;
using present::Height;
using present::Width;
constexpr int Frames = 120;

double millisecondsPerFrame(const std::function<void(int)>& draw) {
    draw(0); // warm up
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= Frames; ++i) {
        draw(i);
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / Frames;
}

void stretchDIBits(HWND window, const Frame& frame, const platform::Placement& place) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header = {sizeof info.header, Width, -Height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
    std::memcpy(info.colours, frame.colours.data(), sizeof info.colours);
    HDC context = GetDC(window);
    SetStretchBltMode(context, COLORONCOLOR);
    StretchDIBits(context, place.x, place.y, place.width, place.height, 0, 0, Width, Height,
                  frame.pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                  SRCCOPY);
    GdiFlush();
    ReleaseDC(window, context);
}

struct DirectDrawWindow {
    IDirectDraw7* device = nullptr;
    IDirectDrawSurface7* primary = nullptr;
    IDirectDrawSurface7* frame = nullptr;
    IDirectDrawClipper* clipper = nullptr;

    bool open(HWND window) {
        if (FAILED(DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&device), IID_IDirectDraw7,
                                      nullptr)) ||
            FAILED(device->SetCooperativeLevel(window, DDSCL_NORMAL))) {
            return false;
        }
        DDSURFACEDESC2 description{};
        description.dwSize = sizeof description;
        description.dwFlags = DDSD_CAPS;
        description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        if (FAILED(device->CreateSurface(&description, &primary, nullptr)) ||
            FAILED(device->CreateClipper(0, &clipper, nullptr)) ||
            FAILED(clipper->SetHWnd(0, window)) || FAILED(primary->SetClipper(clipper))) {
            return false;
        }
        description = {};
        description.dwSize = sizeof description;
        description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
        description.dwWidth = Width;
        description.dwHeight = Height;
        description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        description.ddpfPixelFormat.dwSize = sizeof description.ddpfPixelFormat;
        description.ddpfPixelFormat.dwFlags = DDPF_RGB;
        description.ddpfPixelFormat.dwRGBBitCount = 32;
        description.ddpfPixelFormat.dwRBitMask = 0xFF0000;
        description.ddpfPixelFormat.dwGBitMask = 0xFF00;
        description.ddpfPixelFormat.dwBBitMask = 0xFF;
        return SUCCEEDED(device->CreateSurface(&description, &frame, nullptr));
    }

    void show(HWND window, const Frame& source, const platform::Placement& place) {
        DDSURFACEDESC2 description{};
        description.dwSize = sizeof description;
        if (FAILED(frame->Lock(nullptr, &description, DDLOCK_WAIT | DDLOCK_WRITEONLY, nullptr))) {
            return;
        }
        std::array<std::uint32_t, 256> expand;
        for (int i = 0; i < 256; ++i) {
            const RGBQUAD& c = source.colours[i];
            expand[i] = (c.rgbRed << 16) | (c.rgbGreen << 8) | c.rgbBlue;
        }
        for (int y = 0; y < Height; ++y) {
            auto* out = reinterpret_cast<std::uint32_t*>(
                static_cast<std::uint8_t*>(description.lpSurface) + y * description.lPitch);
            const std::uint8_t* in = source.pixels.data() + y * Width;
            for (int x = 0; x < Width; ++x) {
                out[x] = expand[in[x]];
            }
        }
        frame->Unlock(nullptr);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        RECT target{origin.x + place.x, origin.y + place.y, origin.x + place.x + place.width,
                    origin.y + place.y + place.height};
        primary->Blt(&target, frame, nullptr, DDBLT_WAIT, nullptr);
    }

    ~DirectDrawWindow() {
        for (IUnknown* object : {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(clipper),
                                 static_cast<IUnknown*>(primary), static_cast<IUnknown*>(device)}) {
            if (object != nullptr) {
                object->Release();
            }
        }
    }
};

} // namespace

int main() {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "present bench";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "present bench", "present bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                  screenWidth, screenHeight, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    Frame frame;
    for (int i = 0; i < 256; ++i) {
        frame.colours[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i),
                            static_cast<BYTE>(i * 7), 0};
    }
    for (std::size_t i = 0; i < frame.pixels.size(); ++i) {
        frame.pixels[i] = static_cast<std::uint8_t>(i * 31 / 7);
    }
    const platform::Placement place = platform::placeScreen(screenWidth, screenHeight, false);
    std::vector<std::uint8_t> copy(frame.pixels.size());
    const double copyCost = millisecondsPerFrame([&](int i) {
        frame.pixels[0] = static_cast<std::uint8_t>(i);
        std::memcpy(copy.data(), frame.pixels.data(), copy.size());
    });
    std::printf("screen %d x %d, frame shown at %d x %d, %d frames each\n", screenWidth,
                screenHeight, place.width, place.height, Frames);
    std::printf("%-40s %8.3f ms  1.0\n", "frame copy (786,432 bytes)", copyCost);
    const double gdi = millisecondsPerFrame([&](int) { stretchDIBits(window, frame, place); });
    std::printf("%-40s %8.3f ms  %.0f\n", "GDI StretchDIBits", gdi, gdi / copyCost);
    DirectDrawWindow directDraw;
    if (directDraw.open(window)) {
        const double blt =
            millisecondsPerFrame([&](int) { directDraw.show(window, frame, place); });
        std::printf("%-40s %8.3f ms  %.0f\n", "DirectDraw normal level, stretching Blt", blt,
                    blt / copyCost);
    } else {
        std::printf("DirectDraw normal level: could not be set up\n");
    }
    std::string reason;
    if (auto direct3D = present::Direct3DWindow::open(window, frame, reason)) {
        const double shaded = millisecondsPerFrame([&](int) { direct3D->show(frame, place); });
        std::printf("%-40s %8.3f ms  %.0f\n", "Direct3D 9, palette looked up in shader", shaded,
                    shaded / copyCost);
    } else {
        std::printf("Direct3D 9, palette in shader: could not be set up (%s)\n", reason.c_str());
    }
    DestroyWindow(window);
    return 0;
}
