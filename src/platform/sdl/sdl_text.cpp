// Panel text on SDL: DejaVu Sans Bold, found through the system's font configuration, at the
// size that gives the panel's 16-pixel line. The text is rendered white on
// black, so each pixel's brightness is how much of it the glyphs cover.
#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string>

#include "platform/display_backend.h"
#include "platform/emulation/builtin_font.h"
#include "platform/sdl/sdl_state.h"

namespace platform::sdl {

namespace {

constexpr int PointSize = 13;

// Where Debian, Fedora and Arch put the font, for a system whose font configuration cannot
// name it.
const char* const KnownFontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/TTF/DejaVuSans-Bold.ttf",
    "/usr/local/share/fonts/DejaVuSans-Bold.ttf",
};

std::string configuredFontFile() {
    std::string path;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return path;
    }
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans:bold"));
    if (pattern != nullptr) {
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            path = reinterpret_cast<const char*>(file);
        }
        if (match != nullptr) {
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return path;
}

struct Font {
    bool tried = false;
    std::unique_ptr<TTF_Font, Release> font;
};
Font theFont;

} // namespace

TTF_Font* openText() {
    if (theFont.tried) {
        return theFont.font.get();
    }
    theFont.tried = true;
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        std::fprintf(stderr, "Kestravan: no panel text: %s\n", TTF_GetError());
        return nullptr;
    }
    const std::string configured = configuredFontFile();
    if (!configured.empty()) {
        theFont.font.reset(TTF_OpenFont(configured.c_str(), PointSize));
    }
    for (const char* file : KnownFontFiles) {
        if (theFont.font == nullptr) {
            theFont.font.reset(TTF_OpenFont(file, PointSize));
        }
    }
    if (theFont.font == nullptr) {
        std::fprintf(stderr, "Kestravan: no panel text: DejaVu Sans Bold was not found\n");
    }
    return theFont.font.get();
}

void closeText() {
    theFont = Font{};
    if (TTF_WasInit() != 0) {
        TTF_Quit();
    }
}

} // namespace platform::sdl

namespace platform::backend {

bool renderText(const char* text, int length, TextMask& mask) {
    // Without the system font the panel still has its numbers.
    TTF_Font* font = sdl::openText();
    if (font == nullptr) {
        return renderBuiltinText(text, length, mask);
    }
    if (text == nullptr || length <= 0) {
        return false;
    }
    const std::string line(text, static_cast<std::size_t>(length));
    const std::unique_ptr<SDL_Surface, sdl::Release> held(TTF_RenderText_Shaded(
        font, line.c_str(), SDL_Color{255, 255, 255, 255}, SDL_Color{0, 0, 0, 255}));
    SDL_Surface* rendered = held.get();
    if (rendered == nullptr) {
        return false;
    }
    const SDL_Palette* colours = rendered->format != nullptr ? rendered->format->palette : nullptr;
    if (colours == nullptr || rendered->format->BytesPerPixel != 1 ||
        SDL_LockSurface(rendered) != 0) {
        return false;
    }
    mask.width = rendered->w;
    mask.height = rendered->h;
    mask.coverage.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    for (int y = 0; y < mask.height; ++y) {
        const auto* in = static_cast<const std::uint8_t*>(rendered->pixels) +
                         static_cast<std::ptrdiff_t>(y) * rendered->pitch;
        std::uint8_t* out = mask.coverage.data() + static_cast<std::size_t>(y) * mask.width;
        for (int x = 0; x < mask.width; ++x) {
            out[x] = in[x] < colours->ncolors ? colours->colors[in[x]].r : 0;
        }
    }
    SDL_UnlockSurface(rendered);
    return true;
}

} // namespace platform::backend
