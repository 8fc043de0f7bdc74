// kestravan-autoplay: plays the golden game by itself on the scripted back end and writes the
// input it gave as a kestravan-sim script; the phases go to standard error with their frames.
//
//   kestravan-autoplay [--data DIR] [--out FILE]
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "autoplay/golden_game.h"
#include "platform/headless/headless.h"
#include "platform/store.h"
#include "shell/application.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::string data = ".";
    std::string out = "-";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--data") {
            data = argv[i + 1];
        } else if (option == "--out") {
            out = fs::absolute(argv[i + 1]).string();
        } else {
            std::cerr << "usage: kestravan-autoplay [--data DIR] [--out FILE]\n";
            return 2;
        }
    }
    std::ofstream file;
    if (out != "-") {
        file.open(out);
    }
    std::ostream& script = out == "-" ? std::cout : file;

    std::error_code failed;
    fs::current_path(data, failed);
    const fs::path store = fs::temp_directory_path() / "kestravan-autoplay-store";
    fs::remove_all(store, failed);
    platform::setStoreFolder(store.string());
    headless::reset();
    if (!startGame(platform::createWindow(WindowName))) {
        endGame();
        return 1;
    }
    script << "# The golden replay, written by kestravan-autoplay: every input of the game it\n"
              "# played, a line a frame event, at 16 ms a frame.\n";
    AutoPlayer player(script);
    playGoldenGame(player, std::cerr);
    endGame();
    fs::remove_all(store, failed);
    return script ? 0 : 1;
}
