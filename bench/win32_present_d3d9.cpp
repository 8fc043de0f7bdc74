// Direct3D 9 with the palette looked up in a pixel shader, one of the ways the present bench
// measures: the 8-bit frame and its palette go up as textures every frame and one point-sampled
// quad scales the frame to its placement.
#include <cstdio>
#include <cstring>

#include "win32_present.h"

#include <d3d9.h>
#include <d3dx9shader.h>

namespace present {
namespace {

// The frame's texel holds index / 255; the palette's entry i has its centre at (i + 0.5) / 256.
constexpr char PaletteShader[] = "ps_2_0\n"
                                 "def c0, 0.99609375, 0.001953125, 0, 0\n"
                                 "dcl t0.xy\n"
                                 "dcl_2d s0\n"
                                 "dcl_2d s1\n"
                                 "texld r0, t0, s0\n"
                                 "mad r0.xy, r0.x, c0.x, c0.y\n"
                                 "texld r0, r0, s1\n"
                                 "mov oC0, r0\n";

struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename T> using Com = std::unique_ptr<T, Release>;

struct Corner {
    float x, y, z, rhw, u, v;
};
constexpr DWORD CornerFormat = D3DFVF_XYZRHW | D3DFVF_TEX1;

std::string failed(const char* what, HRESULT result) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08lx)", what,
                  static_cast<unsigned long>(result));
    return text;
}

// The assembler lives in d3dx9_43.dll, which not every Windows has: without it the bench still
// measures the other ways.
std::string assemble(IDirect3DDevice9& device, Com<IDirect3DPixelShader9>& shader) {
    using Assembler = decltype(&D3DXAssembleShader);
    HMODULE library = LoadLibraryA("d3dx9_43.dll");
    if (library == nullptr) {
        return "d3dx9_43.dll is missing";
    }
    auto assembleShader = reinterpret_cast<Assembler>(
        reinterpret_cast<void*>(GetProcAddress(library, "D3DXAssembleShader")));
    std::string reason = "d3dx9_43.dll has no D3DXAssembleShader";
    ID3DXBuffer* code = nullptr;
    ID3DXBuffer* errors = nullptr;
    if (assembleShader != nullptr) {
        const HRESULT result = assembleShader(PaletteShader, sizeof PaletteShader - 1, nullptr,
                                              nullptr, 0, &code, &errors);
        reason = failed("D3DXAssembleShader", result);
        IDirect3DPixelShader9* made = nullptr;
        if (SUCCEEDED(result)) {
            const HRESULT creation = device.CreatePixelShader(
                static_cast<const DWORD*>(code->GetBufferPointer()), &made);
            shader.reset(made);
            reason = SUCCEEDED(creation) ? "" : failed("CreatePixelShader", creation);
        }
    }
    for (ID3DXBuffer* buffer : {code, errors}) {
        if (buffer != nullptr) {
            buffer->Release();
        }
    }
    FreeLibrary(library);
    return reason;
}

class PaletteShaderWindow final : public Direct3DWindow {
public:
    std::string open(HWND window);
    std::string check(const Frame& frame);
    void show(const Frame& frame, const platform::Placement& place) override {
        draw(frame, place);
        device->Present(nullptr, nullptr, nullptr, nullptr);
    }

private:
    void draw(const Frame& frame, const platform::Placement& place);
    HRESULT makeTexture(int width, int height, D3DFORMAT format, Com<IDirect3DTexture9>& texture);

    Com<IDirect3D9> direct3D;
    Com<IDirect3DDevice9> device;
    Com<IDirect3DTexture9> indices;
    Com<IDirect3DTexture9> palette;
    Com<IDirect3DPixelShader9> shader;
    bool dynamic = false;
};

std::string PaletteShaderWindow::open(HWND window) {
    direct3D.reset(Direct3DCreate9(D3D_SDK_VERSION));
    if (direct3D == nullptr) {
        return "Direct3DCreate9 failed";
    }
    RECT client;
    GetClientRect(window, &client);
    D3DPRESENT_PARAMETERS parameters{};
    parameters.BackBufferWidth = client.right;
    parameters.BackBufferHeight = client.bottom;
    parameters.BackBufferFormat = D3DFMT_UNKNOWN; // a window takes the desktop's
    parameters.BackBufferCount = 1;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    IDirect3DDevice9* made = nullptr;
    const HRESULT result =
        direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                               D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &made);
    device.reset(made);
    if (FAILED(result)) {
        return failed("CreateDevice", result);
    }
    D3DCAPS9 caps;
    device->GetDeviceCaps(&caps);
    if (caps.PixelShaderVersion < D3DPS_VERSION(2, 0)) {
        return "the device has no ps_2_0 pixel shaders";
    }
    dynamic = (caps.Caps2 & D3DCAPS2_DYNAMICTEXTURES) != 0;
    if (const HRESULT created = makeTexture(Width, Height, D3DFMT_L8, indices); FAILED(created)) {
        return failed("CreateTexture (1024 x 768, L8)", created);
    }
    if (const HRESULT created = makeTexture(256, 1, D3DFMT_X8R8G8B8, palette); FAILED(created)) {
        return failed("CreateTexture (256 x 1, X8R8G8B8)", created);
    }
    if (const std::string reason = assemble(*device, shader); !reason.empty()) {
        return reason;
    }
    device->SetPixelShader(shader.get());
    device->SetFVF(CornerFormat);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetTexture(0, indices.get());
    device->SetTexture(1, palette.get());
    for (DWORD sampler : {0, 1}) {
        device->SetSamplerState(sampler, D3DSAMP_MINFILTER, D3DTEXF_POINT);
        device->SetSamplerState(sampler, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
        device->SetSamplerState(sampler, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
        device->SetSamplerState(sampler, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    }
    return "";
}

HRESULT PaletteShaderWindow::makeTexture(int width, int height, D3DFORMAT format,
                                         Com<IDirect3DTexture9>& texture) {
    IDirect3DTexture9* made = nullptr;
    const HRESULT result =
        device->CreateTexture(width, height, 1, dynamic ? D3DUSAGE_DYNAMIC : 0, format,
                              dynamic ? D3DPOOL_DEFAULT : D3DPOOL_MANAGED, &made, nullptr);
    texture.reset(made);
    return result;
}

void PaletteShaderWindow::draw(const Frame& frame, const platform::Placement& place) {
    const DWORD lockFlags = dynamic ? D3DLOCK_DISCARD : 0;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(indices->LockRect(0, &locked, nullptr, lockFlags))) {
        for (int y = 0; y < Height; ++y) {
            std::memcpy(static_cast<std::uint8_t*>(locked.pBits) + y * locked.Pitch,
                        frame.pixels.data() + y * Width, Width);
        }
        indices->UnlockRect(0);
    }
    // An RGBQUAD lies in memory as an X8R8G8B8 texel does.
    if (SUCCEEDED(palette->LockRect(0, &locked, nullptr, lockFlags))) {
        std::memcpy(locked.pBits, frame.colours.data(), sizeof frame.colours);
        palette->UnlockRect(0);
    }
    // Half a pixel up and left puts texel centres on pixel centres.
    const float left = place.x - 0.5f;
    const float top = place.y - 0.5f;
    const float right = left + place.width;
    const float bottom = top + place.height;
    const Corner corners[] = {{left, top, 0, 1, 0, 0},
                              {right, top, 0, 1, 1, 0},
                              {left, bottom, 0, 1, 0, 1},
                              {right, bottom, 0, 1, 1, 1}};
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0);
    device->BeginScene();
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, corners, sizeof(Corner));
    device->EndScene();
}

// The frame drawn at its own size and read back before it is shown must be the palette's
// colours of its indices, pixel for pixel: a timing of a shader that draws wrong is worthless.
std::string PaletteShaderWindow::check(const Frame& frame) {
    draw(frame, {});
    IDirect3DSurface9* made = nullptr;
    device->GetRenderTarget(0, &made);
    const Com<IDirect3DSurface9> target(made);
    D3DSURFACE_DESC description;
    target->GetDesc(&description);
    if (description.Format != D3DFMT_X8R8G8B8 && description.Format != D3DFMT_A8R8G8B8) {
        return "the desktop is not 32-bit, so its colours cannot be checked";
    }
    made = nullptr;
    device->CreateOffscreenPlainSurface(description.Width, description.Height, description.Format,
                                        D3DPOOL_SYSTEMMEM, &made, nullptr);
    const Com<IDirect3DSurface9> copy(made);
    D3DLOCKED_RECT locked;
    if (copy == nullptr || FAILED(device->GetRenderTargetData(target.get(), copy.get())) ||
        FAILED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        return "the drawn frame could not be read back";
    }
    int wrong = 0;
    for (int y = 0; y < Height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < Width; ++x) {
            const RGBQUAD& c = frame.colours[frame.pixels[y * Width + x]];
            const std::uint32_t expected = (c.rgbRed << 16) | (c.rgbGreen << 8) | c.rgbBlue;
            wrong += (row[x] & 0xFFFFFF) != expected;
        }
    }
    copy->UnlockRect();
    if (wrong == 0) {
        return "";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%d of %d pixels have the wrong colour", wrong,
                  Width * Height);
    return text;
}

} // namespace

std::unique_ptr<Direct3DWindow> Direct3DWindow::open(HWND window, const Frame& frame,
                                                     std::string& reason) {
    auto way = std::make_unique<PaletteShaderWindow>();
    reason = way->open(window);
    if (reason.empty()) {
        reason = way->check(frame);
    }
    if (!reason.empty()) {
        return nullptr;
    }
    return way;
}

} // namespace present
