// What one frame costs to draw and to show, beside the floor (a plain copy of the frame's
// 786,432 bytes) measured in the same run. Targets: a whole game frame drawn into the back
// buffer within 6 copies, the palette expansion of the present within 12.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "display/sprite_numbers.h"
#include "platform/palette_expander.h"
#include "shell/frame_driver.h"
#include "shell/status_panel.h"
#include "support/game_folder.h"
#include "support/headless_game.h"

namespace {

constexpr std::size_t FrameBytes = 1024 * 768;

// A game in the middle of a busy round: structures on every third cell around the
// whirlwind, all 95 figures and a dozen thrown ones in view. Sprites are patterned, with the
// keyed ones transparent in a third of their pixels.
class CrowdedScreen {
public:
    CrowdedScreen() : run_(folder_.path()) {
        run_.start();
        Game& game = run_.game();
        const auto paint = [](platform::Surface* surface, int seed) {
            if (surface == nullptr) {
                return;
            }
            const bool keyed = surface->colorKeyed();
            for (int y = 0; y < surface->height(); ++y) {
                for (int x = 0; x < surface->width(); ++x) {
                    const int value = (x * 7 + y * 13 + seed) % 251;
                    surface->row(y)[x] = keyed && value % 3 == 0 ? platform::TransparentIndex
                                                                 : static_cast<std::uint8_t>(value);
                }
            }
        };
        for (int sprite = 0; sprite < SpriteCount; ++sprite) {
            paint(game.spriteSurfaces[sprite], sprite);
        }
        paint(game.characterSurface, 1);
        paint(game.cursorSurface, 2);
        for (int cell = 0; cell < CellCount; ++cell) {
            game.groundTiles[cell] = cell % 17;
            game.structureTiles[cell] = cell % 3 == 0 ? 1 + cell % 10 : 0;
        }
        game.whirlwindX = 6405;
        game.whirlwindY = 645;
        int i = 0;
        for (auto* table : {game.indians.data(), game.farmers.data(), game.cowboys.data()}) {
            for (int k = 0; k < 5; ++k, ++i) {
                table[k] = Actor{6000 + (i * 53) % 800, 400 + (i * 31) % 500};
            }
        }
        for (Actor& cow : game.cows) {
            cow = Actor{6000 + (i * 53) % 800, 400 + (i * 31) % 500};
            ++i;
        }
    }

    Game& game() { return run_.game(); }

    // Every picture of one game frame, in the order the frame draws them.
    void drawFrame() {
        Game& g = game();
        g.drawTilePass();
        const auto figures = [&g](const auto& table, int sprite) {
            for (const Actor& actor : table) {
                g.drawFigure(g.spriteSurfaces[sprite], actor.x, actor.y);
            }
        };
        figures(g.indians, Sprite::Indian);
        figures(g.farmers, Sprite::Farmer);
        figures(g.cows, Sprite::Cow);
        figures(g.cowboys, Sprite::CowBoy);
        for (int k = 0; k < 12; ++k) {
            g.drawFigure(g.spriteSurfaces[Sprite::FlyingBase + k % 8], 6100.5 + 40 * k,
                         500.25 + 20 * k);
        }
        g.drawWhirlwind();
        g.drawFrameAndButtons();
        drawStatusPanel(g);
        drawCursor(g, {700, 400});
    }

private:
    ReadyFolder folder_;
    HeadlessGame run_;
};

void GameFrameDrawn(benchmark::State& state) {
    CrowdedScreen busy;
    for (auto _ : state) {
        busy.drawFrame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(GameFrameDrawn);

void PresentPaletteExpansion(benchmark::State& state) {
    CrowdedScreen busy;
    busy.drawFrame();
    std::vector<std::uint32_t> screen(FrameBytes);
    platform::PaletteExpander expander;
    for (auto _ : state) {
        expander.expand(*busy.game().backBuffer, *busy.game().palette, screen.data(), 1024 * 4);
        benchmark::DoNotOptimize(screen.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PresentPaletteExpansion);

} // namespace
