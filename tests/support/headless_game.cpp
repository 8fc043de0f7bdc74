#include "support/headless_game.h"

#include <cstdlib>

#include "platform/headless/headless.h"
#include "platform/store.h"
#include "shell/application.h"
#include "world/game_random.h"

std::string gameDataFolder() {
    const char* folder = std::getenv("KESTRAVAN_GAME_DIR");
    return folder != nullptr ? folder : ".";
}

HeadlessGame::HeadlessGame(const std::string& folder) : directory_(folder) {
    headless::reset();
    setGameRandomState(1);
    platform::setStoreFolder(store_.path());
}

HeadlessGame::~HeadlessGame() {
    endGame();
    platform::setStoreFolder("");
}

Game& HeadlessGame::construct() {
    window_ = platform::createWindow(WindowName);
    return makeGame(window_);
}

bool HeadlessGame::start() {
    window_ = platform::createWindow(WindowName);
    return startGame(window_);
}

bool HeadlessGame::turn(std::uint32_t tickMs) {
    headless::advanceClock(tickMs);
    return runLoopTurn();
}

bool HeadlessGame::turns(int count, std::uint32_t tickMs) {
    bool running = true;
    for (int i = 0; i < count && running; ++i) {
        running = turn(tickMs);
    }
    return running;
}

bool HeadlessGame::handleEventsOnly() {
    return handlePendingMessages();
}

void HeadlessGame::key(platform::EventType type, int key) {
    headless::queueEvent({type, key, false});
}

void HeadlessGame::mouse(int x, int y) {
    headless::setCursor(x, y);
    send(platform::EventType::MouseMove);
}

void HeadlessGame::send(platform::EventType type) {
    headless::queueEvent({type, 0, false});
}
