// The soak run: a million frames of random play on the generated game folder, with plenty to
// throw all the time. Prints the frames a second and the peak memory at the start, the middle
// and the end; the peak must stay flat, or the run fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "soak/random_player.h"
#include "support/headless_game.h"

namespace {

// The process's peak resident memory so far, in kilobytes.
long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const long frames = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const std::string folder = argc > 2 ? argv[2] : gameDataFolder();
    if (frames < 2000) {
        std::fprintf(stderr, "usage: kestravan-soak [FRAMES (2000 or more)] [GAME_FOLDER]\n");
        return 2;
    }
    HeadlessGame headless(folder);
    if (!headless.start()) {
        std::fprintf(stderr, "kestravan-soak: the game did not start in %s\n", folder.c_str());
        return 1;
    }
    Game& game = headless.game();
    RandomPlayer player;

    struct Mark {
        const char* name;
        long frame;
        long peak = 0;
    } marks[] = {{"start", 1000}, {"middle", frames / 2}, {"end", frames}};
    using Clock = std::chrono::steady_clock;
    Clock::time_point since = Clock::now();
    long sinceFrame = 0;
    int next = 0;
    for (long frame = 1; frame <= frames; ++frame) {
        if (game.caught[0] + game.caught[1] + game.caught[2] + game.caught[3] < 40) {
            game.caught = {250, 250, 250, 250};
        }
        if (!headless.turn(player.play(game))) {
            std::fprintf(stderr, "kestravan-soak: the game quit at frame %ld\n", frame);
            return 1;
        }
        if (frame == marks[next].frame) {
            const Clock::time_point now = Clock::now();
            const double seconds = std::chrono::duration<double>(now - since).count();
            marks[next].peak = peakKilobytes();
            std::printf("%-6s frame %8ld: %7.0f frames/s since frame %ld, peak memory %.1f MB\n",
                        marks[next].name, frame, (frame - sinceFrame) / seconds, sinceFrame,
                        marks[next].peak / 1024.0);
            std::fflush(stdout);
            since = now;
            sinceFrame = frame;
            ++next;
        }
    }
    // Flat: the end's peak within a twentieth of the start's, and a megabyte for the allocator.
    const bool flat = marks[2].peak <= marks[0].peak + marks[0].peak / 20 + 1024;
    std::printf("memory %s\n", flat ? "flat" : "GREW");
    return flat ? 0 : 1;
}
