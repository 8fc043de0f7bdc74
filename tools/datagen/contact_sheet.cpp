// The contact sheet with the sounds' table, the map picture and the screen view.
// Transparent pixels show as a grey chequer so that the colour key stands out.
#include "datagen/contact_sheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "datagen/art.h"
#include "datagen/catalogue.h"
#include "datagen/loudness.h"
#include "datagen/pixel_font.h"
#include "datagen/sound_measures.h"
#include "datagen/sounds.h"
#include "datagen/wav_writer.h"
#include "formats/png_writer.h"

namespace datagen {

namespace {

// A true-colour page to paste pictures on.
class Page {
public:
    Page(int width, int height, std::uint8_t shade)
        : width_(width), height_(height), shade_(shade),
          rgb_(static_cast<std::size_t>(width) * height * 3, shade) {}

    void put(int x, int y, Rgb colour) {
        if (x < 0 || y < 0 || x >= width_) {
            return;
        }
        if (y >= height_) { // the page grows downward as pictures are added
            height_ = y + 1;
            rgb_.resize(static_cast<std::size_t>(width_) * height_ * 3, shade_);
        }
        const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
        rgb_[at] = colour.red;
        rgb_[at + 1] = colour.green;
        rgb_[at + 2] = colour.blue;
    }

    // Pastes a picture scaled up; the key shows as a chequer when keyed.
    void paste(const Canvas& picture, int x, int y, int scale, bool keyed) {
        const auto& colours = palette().colours();
        for (int row = 0; row < picture.height() * scale; ++row) {
            for (int column = 0; column < picture.width() * scale; ++column) {
                const Colour index = picture.at(column / scale, row / scale);
                Rgb colour = colours[index];
                if (keyed && index == Key) {
                    const bool dark = ((column / 4) + (row / 4)) % 2 == 0;
                    colour = dark ? Rgb{96, 96, 104} : Rgb{136, 136, 144};
                }
                put(x + column, y + row, colour);
            }
        }
    }

    void label(int x, int y, const std::string& text) {
        Canvas letters(textWidth(text, 1) + 2, FontLineHeight + 2, palette().shade(Ramp::Grey, 3));
        drawText(letters, 1, 1, text, 1, White);
        paste(letters, x, y, 1, false);
    }

    bool write(const std::string& path) const { return writePng(path, width_, height_, rgb_); }

private:
    int width_;
    int height_;
    std::uint8_t shade_;
    std::vector<std::uint8_t> rgb_;
};

Canvas shownPart(const Picture& picture) {
    Canvas canvas = picture.paint();
    // Only the first 32 columns of a tile surface reach the screen.
    if (picture.width == 128 && picture.sprite >= 0) {
        return canvas.crop(0, 0, 32, 32);
    }
    return canvas;
}

std::string nameOf(const Picture& picture) {
    const std::size_t slash = picture.file.find('/');
    std::string name = picture.file.substr(slash + 1);
    name = name.substr(0, name.size() - 4);
    return picture.sprite >= 0 ? std::to_string(picture.sprite) + " " + name : name;
}

// The sounds as a table: name, length, RMS of the sounding part, peak, the noise floor the
// file's samples add and the level of the last 10 ms, all measured on the stored samples.
Canvas loudnessTable() {
    const int scale = 2;
    const int line = FontLineHeight * scale + 6;
    const int columns[] = {8, 130, 240, 350, 460, 580};
    const auto& sounds = gameSounds();
    Canvas table(700, line * static_cast<int>(sounds.size() + 1) + 8,
                 palette().shade(Ramp::Grey, 3));
    const char* headings[] = {"Sound", "Length", "RMS", "Peak", "Floor", "Tail"};
    for (int k = 0; k < 6; ++k) {
        drawText(table, columns[k], 6, headings[k], scale, palette().shade(Ramp::Gold, 12));
    }
    int y = 6 + line;
    for (const Sound& sound : sounds) {
        const std::vector<double> made = sound.synthesise();
        const std::vector<double> stored = storedSamples(made, sound.bits);
        const Loudness loudness = measureLoudness(stored, SampleRate);
        const SoundShape shape = measureShape(made, stored, SampleRate);
        const std::size_t slash = sound.file.find('/');
        char cells[5][24];
        std::snprintf(cells[0], sizeof cells[0], "%.2f s", loudness.seconds);
        std::snprintf(cells[1], sizeof cells[1], "%.1f dB", loudness.rmsDb);
        std::snprintf(cells[2], sizeof cells[2], "%.1f dB", loudness.peakDb);
        std::snprintf(cells[3], sizeof cells[3], "%.0f dB", shape.noiseFloorDb);
        // A tail of pure zeros has no level in decibels.
        if (shape.tailDb <= -200.0) {
            std::snprintf(cells[4], sizeof cells[4], "silent");
        } else {
            std::snprintf(cells[4], sizeof cells[4], "%.0f dB", shape.tailDb);
        }
        drawText(table, columns[0], y, sound.file.substr(slash + 1, sound.file.size() - slash - 5),
                 scale, White);
        for (int k = 0; k < 5; ++k) {
            drawText(table, columns[k + 1], y, cells[k], scale, White);
        }
        y += line;
    }
    return table;
}

Canvas drawMapWindow(const TerrainMap& map, int firstColumn, int firstRow, int columns, int rows) {
    std::vector<Canvas> tiles;
    for (const Picture& picture : spriteCatalogue()) {
        if (picture.sprite >= 0 && picture.sprite <= Ground::LastTarget) {
            tiles.resize(std::max<std::size_t>(tiles.size(), picture.sprite + 1));
            tiles[picture.sprite] = picture.paint().crop(0, 0, 32, 32);
        }
    }
    Canvas window(columns * 32, rows * 32, Black);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            const int c = firstColumn + column;
            const int r = firstRow + row;
            if (c >= 0 && c < MapColumns && r >= 0 && r < MapRows) {
                window.blit(tiles[map.at(c, r)], column * 32, row * 32, false);
            }
        }
    }
    return window;
}

} // namespace

bool writeContactSheet(const std::string& path) {
    const int width = 1180;
    Page page(width, 10, 40);
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    auto place = [&](const Canvas& canvas, int scale, bool keyed, const std::string& name) {
        const int w = std::max(canvas.width() * scale, textWidth(name, 1));
        const int h = canvas.height() * scale + 14;
        if (x + w > width - 10) {
            x = 10;
            y += rowHeight + 8;
            rowHeight = 0;
        }
        page.paste(canvas, x, y, scale, keyed);
        page.label(x, y + canvas.height() * scale + 2, name);
        x += w + 8;
        rowHeight = std::max(rowHeight, h);
    };
    auto newRow = [&] {
        x = 10;
        y += rowHeight + 16;
        rowHeight = 0;
    };
    const auto& catalogue = spriteCatalogue();
    for (const Picture& picture : catalogue) {
        if (picture.sprite < 0 || picture.sprite > Ground::LastTarget) {
            continue;
        }
        place(shownPart(picture), 2, false, std::to_string(picture.sprite));
    }
    newRow();
    for (const Picture& picture : catalogue) {
        if (picture.sprite >= 130 && picture.sprite <= 139) {
            place(shownPart(picture), 2, true, nameOf(picture));
        }
    }
    newRow();
    for (const Picture& picture : catalogue) {
        if (picture.width == 22 || picture.file == "Data/Cursor.bmp" ||
            picture.file == "Data/Character.bmp") {
            place(picture.paint(), 3, true, nameOf(picture));
        }
    }
    newRow();
    for (const Picture& picture : catalogue) {
        if (picture.sprite >= 194) {
            place(picture.paint(), 1, false, nameOf(picture));
        }
    }
    newRow();
    for (const Picture& picture : catalogue) {
        if (picture.sprite >= 190 && picture.sprite <= 193) {
            const bool side = picture.width == 32;
            place(side ? picture.paint().crop(0, 0, 32, 200) : picture.paint(), 1, false,
                  nameOf(picture));
        }
    }
    newRow();
    for (const Picture& picture : fullScreenPictures()) {
        const Canvas full = picture.paint();
        Canvas half(full.width() / 2, full.height() / 2);
        half.recolour([&](int cx, int cy, Colour) { return full.at(cx * 2, cy * 2); });
        place(half, 1, false, nameOf(picture));
    }
    place(loudnessTable(), 1, false,
          "The sounds: loudness (10 ms windows above -50 dBFS), noise floor, last 10 ms");
    return page.write(path);
}

bool writeMapPicture(const std::string& path, const TerrainMap& map) {
    const Canvas whole = drawMapWindow(map, 0, 0, MapColumns, MapRows);
    const auto& colours = palette().colours();
    const int scale = 4;
    const int width = whole.width() / scale;
    const int height = whole.height() / scale;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    const Rgb& c = colours[whole.at(x * scale + dx, y * scale + dy)];
                    sum[0] += c.red;
                    sum[1] += c.green;
                    sum[2] += c.blue;
                }
            }
            for (int k = 0; k < 3; ++k) {
                rgb[(static_cast<std::size_t>(y) * width + x) * 3 + k] =
                    static_cast<std::uint8_t>(sum[k] / (scale * scale));
            }
        }
    }
    return writePng(path, width, height, rgb);
}

bool writeScreenView(const std::string& path, const TerrainMap& map, int x, int y) {
    x = std::max(x, 480);
    y = std::max(y, 288);
    Canvas screen(1024, 768, Black);
    const Canvas window = drawMapWindow(map, (x - 480) / 32, (y - 288) / 32, 32, 20);
    screen.blit(window, 32 - x % 32, 32 - y % 32, false);
    screen.blit(paintWhirlwind().crop(0, 0, 32, 32), 500, 308);
    screen.blit(paintFrameTop(), 0, 0, false);
    screen.blit(paintFrameBottom(), 0, 609, false);
    screen.blit(paintFrameSide(false), 0, 32, false);
    screen.blit(paintFrameSide(true), 992, 32, false);
    screen.blit(paintKindButton(ActorKind::Indian, false), 943, 636, false);
    screen.blit(paintKindButton(ActorKind::Farmer, false), 943, 696, false);
    screen.blit(paintKindButton(ActorKind::Cow, true), 883, 636, false);
    screen.blit(paintKindButton(ActorKind::CowBoy, false), 883, 696, false);
    screen.blit(paintSpeedButton(false), 823, 636, false);
    screen.blit(paintDirectionButton(false), 703, 636, false);
    // Sample numbers where the game prints them, black on the panel grey.
    const struct {
        int x, y;
        const char* text;
    } numbers[] = {{140, 647, "12"},  {140, 674, "7"},   {140, 702, "3"},   {140, 729, "25"},
                   {400, 647, "185"}, {400, 674, "142"}, {400, 729, "1250"}};
    const Colour grey = palette().shade(Ramp::Grey, 8);
    for (const auto& number : numbers) {
        screen.fillRect(number.x, number.y, textWidth(number.text, 2) + 2, 16, grey);
        drawText(screen, number.x + 1, number.y + 1, number.text, 2, Black);
    }
    screen.fillRect(838, 680, 27, 53, palette().shade(Ramp::Red, 3));
    screen.penLine(763, 696, 763 + 42, 696 - 42, 5, palette().shade(Ramp::Red, 3));
    Page page(1024, 768, 0);
    page.paste(screen, 0, 0, 1, false);
    return page.write(path);
}

} // namespace datagen
