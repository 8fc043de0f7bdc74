// A whole game on the scripted back end, started afresh for one test: the generator back at
// its first number, a store of its own, the clock at 0, and the game folder as the working
// directory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/window.h"
#include "shell/game.h"
#include "support/temporary_folder.h"

// The ready-to-run game folder the build lays out (Data/ and Terrain.dat).
std::string gameDataFolder();

class HeadlessGame {
public:
    // Runs the game from the folder (the built game folder unless given another).
    explicit HeadlessGame(const std::string& folder = gameDataFolder());
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Constructs theGame and sets it up; false when set-up failed.
    bool start();
    // Constructs theGame only, as the process does before set-up.
    Game& construct();
    Game& game() { return *theGame; }

    // Loop turns, each after the clock moved on by tickMs: events first, then a frame while
    // the game is active. False once the game has quit.
    bool turn(std::uint32_t tickMs = 16);
    bool turns(int count, std::uint32_t tickMs = 16);
    // Only the waiting events, no frame. False once the game has quit.
    bool handleEventsOnly();

    void key(platform::EventType type, int key);
    void mouse(int x, int y); // moves the cursor there
    void send(platform::EventType type);

private:
    TemporaryFolder store_;
    WorkingDirectory directory_;
    platform::Window* window_ = nullptr;
};
