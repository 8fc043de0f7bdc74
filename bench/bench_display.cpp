// What one frame costs to draw from the game's own pictures and to show, beside the floor (a
// plain copy of the frame's 786,432 bytes) measured in the same run. Targets: a whole game
// frame drawn into the back buffer within 6 copies, the palette expansion of the present
// within 12.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "built_game.h"
#include "display/sprite_numbers.h"
#include "platform/emulation/palette_expander.h"
#include "shell/frame_driver.h"
#include "shell/status_panel.h"

namespace {

constexpr std::size_t FrameBytes = 1024 * 768;

// A game in the middle of a busy round on the built game data: the generated map around the
// whirlwind's start, a structure on every third cell, all 95 figures and a dozen thrown ones in
// view, every picture as the game draws it.
class CrowdedScreen {
public:
    CrowdedScreen() {
        if (!built_.ready()) {
            return;
        }
        Game& game = built_.game();
        for (int cell = 0; cell < CellCount; ++cell) {
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

    bool ready(benchmark::State& state) { return built_.ready(state); }
    Game& game() { return built_.game(); }

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
    BuiltGame built_;
};

void GameFrameDrawn(benchmark::State& state) {
    CrowdedScreen busy;
    if (!busy.ready(state)) {
        return;
    }
    for (auto _ : state) {
        busy.drawFrame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(GameFrameDrawn);

void PresentPaletteExpansion(benchmark::State& state) {
    CrowdedScreen busy;
    if (!busy.ready(state)) {
        return;
    }
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
