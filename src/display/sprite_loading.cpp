// Loading the sprite pictures: every file of the catalogue into a fresh off-screen surface of
// the catalogue's size, with the transparent colour set on the keyed ones. Runs at start-up
// and again whenever the display has lost its surfaces.
#include <memory>
#include <string>

#include "display/sprite_catalogue.h"
#include "display/sprite_numbers.h"
#include "formats/image.h"
#include "platform/system.h"
#include "platform/video.h"
#include "shell/game.h"

namespace {

// The pictures of the current catalogue load that could not be read.
struct MissingPictures {
    int count = 0;
    std::string first;
};
MissingPictures missingPictures;

} // namespace

void Game::loadSprites() {
    missingPictures = MissingPictures{};
    for (const CatalogueEntry& entry : spriteCatalogue()) {
        platform::Surface** target = entry.sprite == Sprite::Cursor ? &cursorSurface
                                     : entry.sprite == Sprite::Character
                                         ? &characterSurface
                                         : &spriteSurfaces[entry.sprite];
        loadBitmapSurface(target, SurfaceDesc{entry.width, entry.height}, entry.file.c_str());
        if (entry.keyed && *target != nullptr) {
            (*target)->setColorKey(true);
        }
    }
    // The game plays on without them; whoever runs it hears of it once.
    if (missingPictures.count > 0) {
        const std::string line = std::to_string(missingPictures.count) +
                                 " sprite pictures are missing or unreadable, first " +
                                 missingPictures.first + "\n";
        platform::debugLine(line.c_str());
    }
}

void Game::loadBitmapSurface(platform::Surface** target, SurfaceDesc desc, const char* fileName) {
    if (target == nullptr || directDraw == nullptr) {
        return;
    }
    const std::unique_ptr<platform::Image> image = platform::loadImage(fileName);
    if (image == nullptr && missingPictures.count++ == 0) {
        missingPictures.first = fileName != nullptr ? fileName : "";
    }
    // A reload gives the old surface back and fills a fresh one.
    platform::Surface* old = *target;
    platform::createSurface(directDraw, desc.width, desc.height, target);
    if (old != nullptr) {
        platform::releaseSurface(directDraw, old);
    }
    platform::Surface* surface = *target;
    if (surface == nullptr || platform::getDC(directDraw, surface) != S_OK) {
        return;
    }
    // A missing or unreadable file leaves the surface as it was made.
    if (image != nullptr && palette != nullptr) {
        platform::copyImage(*image, *surface, desc.width, desc.height, *palette);
    }
    platform::releaseDC(directDraw, surface);
}
