// Writing the state dump: every member a replay may want to pin, in a fixed order.
#include "replay/state_dump.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/file_path.h"
#include "platform/system.h"
#include "shell/game.h"
#include "shell/game_files.h"
#include "world/flying_object.h"
#include "world/game_random.h"

namespace {

// FNV-1a 64, fed a few bytes at a time.
class Fnv1a {
public:
    void add(const std::uint8_t* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            hash_ = (hash_ ^ bytes[i]) * 0x100000001B3ull;
        }
    }
    void add(const char* bytes, std::size_t count) {
        add(reinterpret_cast<const std::uint8_t*>(bytes), count);
    }
    std::string hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016" PRIx64, hash_);
        return text;
    }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

const char* boolean(bool value) {
    return value ? "true" : "false";
}

void writeActors(std::ostringstream& out, const char* name, const Actor* actors, int count) {
    out << "  \"" << name << "\": [";
    for (int i = 0; i < count; ++i) {
        const Actor& a = actors[i];
        out << (i == 0 ? "\n" : ",\n") << "    {\"x\": " << a.x << ", \"y\": " << a.y
            << ", \"heading\": " << a.heading << ", \"step\": " << a.step
            << ", \"siteX\": " << a.siteX << ", \"siteY\": " << a.siteY
            << ", \"fleeTimer\": " << a.fleeTimer << ", \"wanderTimer\": " << a.wanderTimer
            << ", \"workTimer\": " << a.workTimer << ", \"penned\": " << boolean(a.penned != 0)
            << "}";
    }
    out << (count > 0 ? "\n  ],\n" : "],\n");
}

} // namespace

std::string frameHash(const Game& game) {
    Fnv1a hash;
    if (game.backBuffer != nullptr) {
        const platform::Surface& frame = *game.backBuffer;
        for (int y = 0; y < frame.height(); ++y) {
            hash.add(frame.row(y), static_cast<std::size_t>(frame.width()));
        }
    }
    return hash.hex();
}

std::string dataHash() {
    Fnv1a hash;
    for (const std::string& file : gameFiles()) {
        const std::string path = platform::nativePath(file.c_str());
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            continue;
        }
        hash.add(path.c_str(), path.size() + 1);
        char chunk[65536];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            hash.add(chunk, static_cast<std::size_t>(in.gcount()));
        }
    }
    return hash.hex();
}

std::string dumpState(const Game& game, int frame, bool exited) {
    return dumpState(game, frame, exited, dataHash());
}

std::string dumpState(const Game& game, int frame, bool exited, const std::string& dataHashText) {
    std::ostringstream out;
    out << "{\n";
    out << "  \"frame\": " << frame << ",\n";
    out << "  \"tick\": " << platform::tickCount() << ",\n";
    out << "  \"rng\": " << gameRandomState() << ",\n";
    out << "  \"whirlwind\": {\"x\": " << game.whirlwindX << ", \"y\": " << game.whirlwindY
        << ", \"step\": " << game.whirlwindStep << ", \"frameCount\": " << game.whirlwindFrameCount
        << "},\n";
    out << "  \"score\": " << game.score << ",\n";
    out << "  \"bestScore\": " << game.bestScore << ",\n";
    out << "  \"caught\": [" << game.caught[0] << ", " << game.caught[1] << ", " << game.caught[2]
        << ", " << game.caught[3] << "],\n";
    out << "  \"roundOver\": " << boolean(game.roundOver) << ",\n";
    out << "  \"menuOpen\": " << boolean(game.menuOpen) << ",\n";
    out << "  \"menuChoice\": " << game.menuChoice << ",\n";
    out << "  \"selectedKind\": " << static_cast<int>(game.selectedKind) << ",\n";
    out << "  \"heldKind\": " << static_cast<int>(game.heldKind) << ",\n";
    out << "  \"launchPower\": " << number(game.launchPower) << ",\n";
    out << "  \"launchAngle\": " << number(game.launchAngle) << ",\n";
    out << "  \"speedButtonDown\": " << boolean(game.speedButtonDown) << ",\n";
    out << "  \"directionButtonDown\": " << boolean(game.directionButtonDown) << ",\n";
    out << "  \"speedLatched\": " << boolean(game.speedLatched) << ",\n";
    out << "  \"leftButtonDown\": " << boolean(game.leftButtonDown) << ",\n";
    out << "  \"rightButtonDown\": " << boolean(game.rightButtonDown) << ",\n";
    out << "  \"showCursor\": " << boolean(game.showCursor) << ",\n";
    out << "  \"active\": " << boolean(game.active) << ",\n";
    out << "  \"keyDirX\": " << game.keyDirX << ",\n";
    out << "  \"keyDirY\": " << game.keyDirY << ",\n";
    out << "  \"secondsLeft\": " << game.secondsLeft() << ",\n";
    writeActors(out, "indians", game.indians.data(), IndianCount);
    writeActors(out, "farmers", game.farmers.data(), FarmerCount);
    writeActors(out, "cows", game.cows.data(), CowCount);
    writeActors(out, "cowboys", game.cowboys.data(), CowBoyCount);

    out << "  \"flying\": [";
    bool first = true;
    for (const FlyingObject* object = game.flyingObjects; object != nullptr;
         object = object->getNext()) {
        out << (first ? "\n" : ",\n") << "    {\"airTime\": " << object->airTime
            << ", \"lifeTime\": " << object->lifeTime << ", \"sprite\": " << object->sprite
            << ", \"x\": " << number(object->x) << ", \"y\": " << number(object->y)
            << ", \"vx\": " << number(object->vx) << ", \"vy\": " << number(object->vy) << "}";
        first = false;
    }
    out << (first ? "],\n" : "\n  ],\n");

    out << "  \"structures\": [";
    first = true;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (game.structureTiles[cell] != 0) {
            out << (first ? "" : ", ") << "[" << cell / MapRows << ", " << cell % MapRows << ", "
                << game.structureTiles[cell] << "]";
            first = false;
        }
    }
    out << "],\n";

    const char* soundNames[GameSoundCount] = {"indian", "cow",   "farm", "cowboy",
                                              "crush",  "splat", "wind"};
    out << "  \"sounds\": {";
    for (int i = 0; i < GameSoundCount; ++i) {
        out << (i == 0 ? "" : ", ") << "\"" << soundNames[i] << "\": " << game.soundPlays[i];
    }
    out << "},\n";
    out << "  \"frameHash\": \"" << frameHash(game) << "\",\n";
    out << "  \"dataHash\": \"" << dataHashText << "\",\n";
    out << "  \"exited\": " << boolean(exited) << "\n";
    out << "}\n";
    return out.str();
}
