// The glyphs of the pixel font, one line each: rows from the top, '1' for ink.
#include "datagen/pixel_font.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace datagen {

namespace {

struct Glyph {
    int width = 0;
    std::vector<std::string> rows;
};

const std::map<char, Glyph>& glyphs() {
    static const std::map<char, Glyph> table = [] {
        const std::vector<std::pair<char, const char*>> source = {
            {'A', "01110 10001 10001 11111 10001 10001 10001"},
            {'B', "11110 10001 10001 11110 10001 10001 11110"},
            {'C', "01110 10001 10000 10000 10000 10001 01110"},
            {'D', "11110 10001 10001 10001 10001 10001 11110"},
            {'E', "11111 10000 10000 11110 10000 10000 11111"},
            {'F', "11111 10000 10000 11110 10000 10000 10000"},
            {'G', "01110 10001 10000 10111 10001 10001 01111"},
            {'H', "10001 10001 10001 11111 10001 10001 10001"},
            {'I', "111 010 010 010 010 010 111"},
            {'J', "00111 00010 00010 00010 00010 10010 01100"},
            {'K', "10001 10010 10100 11000 10100 10010 10001"},
            {'L', "10000 10000 10000 10000 10000 10000 11111"},
            {'M', "10001 11011 10101 10101 10001 10001 10001"},
            {'N', "10001 11001 10101 10011 10001 10001 10001"},
            {'O', "01110 10001 10001 10001 10001 10001 01110"},
            {'P', "11110 10001 10001 11110 10000 10000 10000"},
            {'Q', "01110 10001 10001 10001 10101 10010 01101"},
            {'R', "11110 10001 10001 11110 10100 10010 10001"},
            {'S', "01111 10000 10000 01110 00001 00001 11110"},
            {'T', "11111 00100 00100 00100 00100 00100 00100"},
            {'U', "10001 10001 10001 10001 10001 10001 01110"},
            {'V', "10001 10001 10001 10001 10001 01010 00100"},
            {'W', "10001 10001 10001 10101 10101 10101 01010"},
            {'X', "10001 10001 01010 00100 01010 10001 10001"},
            {'Y', "10001 10001 01010 00100 00100 00100 00100"},
            {'Z', "11111 00001 00010 00100 01000 10000 11111"},
            {'a', "00000 00000 01110 00001 01111 10001 01111"},
            {'b', "10000 10000 10110 11001 10001 10001 11110"},
            {'c', "0000 0000 0111 1000 1000 1000 0111"},
            {'d', "00001 00001 01101 10011 10001 10001 01111"},
            {'e', "00000 00000 01110 10001 11111 10000 01110"},
            {'f', "0011 0100 1110 0100 0100 0100 0100"},
            {'g', "00000 00000 01111 10001 10001 10001 01111 00001 01110"},
            {'h', "10000 10000 10110 11001 10001 10001 10001"},
            {'i', "1 0 1 1 1 1 1"},
            {'j', "001 000 011 001 001 001 001 101 010"},
            {'k', "1000 1000 1001 1010 1100 1010 1001"},
            {'l', "10 10 10 10 10 10 01"},
            {'m', "00000 00000 11010 10101 10101 10101 10101"},
            {'n', "00000 00000 10110 11001 10001 10001 10001"},
            {'o', "00000 00000 01110 10001 10001 10001 01110"},
            {'p', "00000 00000 11110 10001 10001 10001 11110 10000 10000"},
            {'q', "00000 00000 01111 10001 10001 10001 01111 00001 00001"},
            {'r', "0000 0000 1011 1100 1000 1000 1000"},
            {'s', "00000 00000 01111 10000 01110 00001 11110"},
            {'t', "0100 0100 1110 0100 0100 0101 0010"},
            {'u', "00000 00000 10001 10001 10001 10011 01101"},
            {'v', "00000 00000 10001 10001 10001 01010 00100"},
            {'w', "00000 00000 10001 10001 10101 10101 01010"},
            {'x', "00000 00000 10001 01010 00100 01010 10001"},
            {'y', "00000 00000 10001 10001 10001 10011 01101 00001 01110"},
            {'z', "00000 00000 11111 00010 00100 01000 11111"},
            {'0', "01110 10001 10011 10101 11001 10001 01110"},
            {'1', "00100 01100 00100 00100 00100 00100 01110"},
            {'2', "01110 10001 00001 00010 00100 01000 11111"},
            {'3', "11111 00010 00100 00010 00001 10001 01110"},
            {'4', "00010 00110 01010 10010 11111 00010 00010"},
            {'5', "11111 10000 11110 00001 00001 10001 01110"},
            {'6', "00110 01000 10000 11110 10001 10001 01110"},
            {'7', "11111 00001 00010 00100 01000 01000 01000"},
            {'8', "01110 10001 10001 01110 10001 10001 01110"},
            {'9', "01110 10001 10001 01111 00001 00010 01100"},
            {'.', "0 0 0 0 0 0 1"},
            {',', "00 00 00 00 00 01 01 10"},
            {':', "0 0 1 0 0 1 0"},
            {'!', "1 1 1 1 1 0 1"},
            {'?', "01110 10001 00001 00010 00100 00000 00100"},
            {'-', "0000 0000 0000 1111 0000 0000 0000"},
            {'+', "00000 00100 00100 11111 00100 00100 00000"},
            {'\'', "1 1 0 0 0 0 0"},
            {'(', "01 10 10 10 10 10 01"},
            {')', "10 01 01 01 01 01 10"},
            {'/', "00001 00010 00010 00100 01000 01000 10000"},
            {'_', "0000 0000 0000 0000 0000 0000 1111"},
            {' ', "000 000 000 000 000 000 000"},
        };
        std::map<char, Glyph> result;
        for (const auto& [letter, rows] : source) {
            Glyph glyph;
            std::istringstream words(rows);
            std::string row;
            while (words >> row) {
                glyph.rows.push_back(row);
            }
            glyph.width = static_cast<int>(glyph.rows.front().size());
            result[letter] = glyph;
        }
        return result;
    }();
    return table;
}

const Glyph& glyphOf(char letter) {
    const auto found = glyphs().find(letter);
    return found != glyphs().end() ? found->second : glyphs().at('?');
}

} // namespace

int textWidth(const std::string& text, int scale) {
    int width = 0;
    for (char letter : text) {
        width += (glyphOf(letter).width + 1) * scale;
    }
    return text.empty() ? 0 : width - scale;
}

void drawText(Canvas& canvas, int x, int y, const std::string& text, int scale,
              const std::function<Colour(int, int)>& colour) {
    for (char letter : text) {
        const Glyph& glyph = glyphOf(letter);
        for (std::size_t row = 0; row < glyph.rows.size(); ++row) {
            for (int column = 0; column < glyph.width; ++column) {
                if (glyph.rows[row][column] != '1') {
                    continue;
                }
                const int left = x + column * scale;
                const int top = y + static_cast<int>(row) * scale;
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        canvas.set(left + dx, top + dy, colour(left + dx, top + dy));
                    }
                }
            }
        }
        x += (glyph.width + 1) * scale;
    }
}

void drawText(Canvas& canvas, int x, int y, const std::string& text, int scale, Colour colour) {
    drawText(canvas, x, y, text, scale, [colour](int, int) { return colour; });
}

void drawBoldText(Canvas& canvas, int x, int y, const std::string& text, int scale,
                  const std::function<Colour(int, int)>& colour, Colour outline, Colour shadow) {
    // The letters are laid out on a canvas of their own, outlined there, then copied over.
    const int margin = scale + 2;
    Canvas letters(textWidth(text, scale) + 2 * margin, FontLineHeight * scale + 2 * margin);
    drawText(letters, margin, margin, text, scale, [](int, int) { return Colour{1}; });
    Canvas ink = letters;
    for (int pass = 0; pass < (scale + 1) / 2; ++pass) {
        letters.outline(outline);
    }
    const int left = x - margin;
    const int top = y - margin;
    const int drop = std::max(1, scale / 2);
    for (int row = 0; row < letters.height(); ++row) {
        for (int column = 0; column < letters.width(); ++column) {
            if (letters.at(column, row) != Key) {
                canvas.set(left + column + drop, top + row + drop, shadow);
            }
        }
    }
    for (int row = 0; row < letters.height(); ++row) {
        for (int column = 0; column < letters.width(); ++column) {
            if (ink.at(column, row) != Key) {
                canvas.set(left + column, top + row, colour(left + column, top + row));
            } else if (letters.at(column, row) != Key) {
                canvas.set(left + column, top + row, outline);
            }
        }
    }
}

} // namespace datagen
