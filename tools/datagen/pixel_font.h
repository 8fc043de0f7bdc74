// The game's own pixel font: proportional letters seven pixels high with two more for
// descenders, drawn at any whole scale for the panel labels, the menu and the title.
#pragma once

#include <functional>
#include <string>

#include "datagen/canvas.h"

namespace datagen {

inline constexpr int FontCapHeight = 7;  // rows of a capital, unscaled
inline constexpr int FontLineHeight = 9; // with the descenders

int textWidth(const std::string& text, int scale);

// Draws the text with its top-left corner at (x, y); colour gives each pixel's colour from
// its position in the picture.
void drawText(Canvas& canvas, int x, int y, const std::string& text, int scale,
              const std::function<Colour(int, int)>& colour);
void drawText(Canvas& canvas, int x, int y, const std::string& text, int scale, Colour colour);

// Text with a dark outline all round and a drop shadow below it, for titles and buttons.
void drawBoldText(Canvas& canvas, int x, int y, const std::string& text, int scale,
                  const std::function<Colour(int, int)>& colour, Colour outline, Colour shadow);

} // namespace datagen
