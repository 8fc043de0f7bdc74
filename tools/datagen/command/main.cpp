// kestravan-datagen: writes the game's data set (pictures, sounds, the map) into a folder,
// and on request review pictures of it.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "datagen/contact_sheet.h"
#include "datagen/data_set.h"
#include "datagen/icon.h"
#include "datagen/icon_writer.h"
#include "datagen/world_map.h"

namespace {

const char* const Usage =
    "usage: kestravan-datagen [FOLDER] [--contact-sheet FILE.png] [--map-picture FILE.png]\n"
    "                         [--view X Y FILE.png] [--icons FOLDER] [--icon FILE.ico]\n"
    "                         [--web-icons FOLDER]\n"
    "  FOLDER           write Data/ and Terrain.dat there\n"
    "  --contact-sheet  every sprite enlarged with its number, and the sounds' loudness\n"
    "  --map-picture    the whole map, 8 pixels a tile\n"
    "  --view           the screen with the whirlwind at world point (X, Y)\n"
    "  --icons          the desktop icons, as FOLDER/hicolor/NxN/apps/kestravan.png\n"
    "  --icon           the Windows program's icon\n"
    "  --web-icons      the web page's app icons, as FOLDER/icon-192.png and icon-512.png\n";

bool parseNumber(const char* text, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || number < 0 || number > 100000) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool writeIcon(const std::string& path) {
    const std::vector<std::uint8_t> bytes = datagen::programIcon();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

int fail(const std::string& message) {
    std::fprintf(stderr, "kestravan-datagen: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::string contactSheet;
    std::string mapPicture;
    std::string view;
    std::string icons;
    std::string icon;
    std::string webIcons;
    int viewX = 0;
    int viewY = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--contact-sheet" && i + 1 < argc) {
            contactSheet = argv[++i];
        } else if (argument == "--icon" && i + 1 < argc) {
            icon = argv[++i];
        } else if (argument == "--map-picture" && i + 1 < argc) {
            mapPicture = argv[++i];
        } else if (argument == "--icons" && i + 1 < argc) {
            icons = argv[++i];
        } else if (argument == "--web-icons" && i + 1 < argc) {
            webIcons = argv[++i];
        } else if (argument == "--view" && i + 3 < argc) {
            if (!parseNumber(argv[i + 1], viewX) || !parseNumber(argv[i + 2], viewY)) {
                std::fputs(Usage, stderr);
                return 2;
            }
            view = argv[i + 3];
            i += 3;
        } else if (argument.rfind("--", 0) != 0 && folder.empty()) {
            folder = argument;
        } else {
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (folder.empty() && contactSheet.empty() && mapPicture.empty() && view.empty() &&
        icons.empty() && icon.empty() && webIcons.empty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    if (!folder.empty()) {
        std::string error;
        if (!datagen::writeDataSet(folder, error)) {
            return fail(error);
        }
    }
    if (!icons.empty()) {
        std::string error;
        if (!datagen::writeDesktopIcons(icons, error)) {
            return fail(error);
        }
    }
    if (!webIcons.empty()) {
        std::string error;
        if (!datagen::writeWebIcons(webIcons, error)) {
            return fail(error);
        }
    }
    if (!contactSheet.empty() && !datagen::writeContactSheet(contactSheet)) {
        return fail("cannot write " + contactSheet);
    }
    if (!icon.empty() && !writeIcon(icon)) {
        return fail("cannot write " + icon);
    }
    if (!mapPicture.empty() || !view.empty()) {
        const datagen::TerrainMap map = datagen::generateTerrain();
        if (!mapPicture.empty() && !datagen::writeMapPicture(mapPicture, map)) {
            return fail("cannot write " + mapPicture);
        }
        if (!view.empty() && !datagen::writeScreenView(view, map, viewX, viewY)) {
            return fail("cannot write " + view);
        }
    }
    return 0;
}
