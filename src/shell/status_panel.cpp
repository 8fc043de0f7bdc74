// The status panel: black numbers on the panel's grey, the speed bar and the direction needle
// in the panel's dark red.
#include "shell/status_panel.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/video.h"
#include "shell/game.h"

namespace {

constexpr platform::Rgb PanelText{0, 0, 0};
constexpr platform::Rgb PanelGrey{115, 115, 115};

constexpr int NeedleX = 763;
constexpr int NeedleY = 696;
constexpr int NeedleLength = 60;

constexpr double GaugeTop = 130.0;
constexpr double NeedleTurn = 3600.0;

// Where each number stands, top-left corner of its text.
struct PanelNumber {
    int x;
    int y;
    std::int32_t value;
};

std::uint8_t paletteIndex(const Game& game, platform::Rgb colour) {
    return game.palette != nullptr ? game.palette->nearestIndex(colour) : std::uint8_t{0};
}

} // namespace

platform::Rect speedBarRect(double launchPower, bool pressed) {
    const double p = launchPower;
    const int top = static_cast<int>(p > 65 ? 655 - (65 - p) : (65 - p) + 655);
    return pressed ? platform::Rect{837, top, 864, 732} : platform::Rect{838, top, 865, 733};
}

platform::Point needleEnd(double launchAngle) {
    const double angle = launchAngle * 0.1;
    return {static_cast<int>(std::cos(angle) * NeedleLength + NeedleX),
            static_cast<int>(std::sin(angle) * NeedleLength + NeedleY)};
}

void advanceGauges(Game& game) {
    if (!game.speedButtonDown) {
        game.launchPower += 1.0;
    }
    if (game.launchPower == GaugeTop) {
        game.launchPower = 0.0;
    }
    game.launchAngle += 1.0;
    if (game.launchAngle == NeedleTurn) {
        game.launchAngle = 0.0;
    }
}

void drawStatusPanel(Game& game) {
    if (game.backBuffer == nullptr ||
        platform::getDC(game.directDraw.get(), game.backBuffer) != S_OK) {
        return;
    }
    const PanelNumber numbers[] = {
        {140, 647, game.caught[kindIndex(ActorKind::Indian)]},
        {140, 674, game.caught[kindIndex(ActorKind::Farmer)]},
        {140, 702, game.caught[kindIndex(ActorKind::CowBoy)]},
        {140, 729, game.caught[kindIndex(ActorKind::Cow)]},
        {400, 647, game.score},
        {400, 674, game.secondsLeft()},
        {400, 729, game.bestScore},
    };
    for (const PanelNumber& number : numbers) {
        const std::string text = std::to_string(number.value);
        platform::textOut(game.directDraw.get(), game.backBuffer, number.x, number.y, text.c_str(),
                          static_cast<int>(text.size()), PanelText, PanelGrey);
    }
    game.backBuffer->fillRect(speedBarRect(game.launchPower, game.speedButtonDown),
                              paletteIndex(game, game.panelBrush.colour));
    const platform::Point end = needleEnd(game.launchAngle);
    game.backBuffer->drawLine(NeedleX, NeedleY, end.x, end.y, game.panelPen.width,
                              paletteIndex(game, game.panelPen.colour));
    platform::releaseDC(game.directDraw.get(), game.backBuffer);
}
