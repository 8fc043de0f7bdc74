// Input: keys, mouse buttons, minimising and closing. Any key hides the drawn cursor and any mouse
// use shows it again. Escape opens the menu, and with the menu open it quits. Arrow keys steer
// until the round is over; releasing either arrow of a pair stops that axis.
#include "shell/window_proc.h"

#include "shell/game.h"

namespace {

void onKeyDown(Game& game, int key) {
    game.showCursor = false;
    if (game.menuOpen) {
        if (key == platform::KeyEscape) {
            platform::postClose(game.window);
        }
        return;
    }
    if (key == platform::KeyEscape) {
        game.menuOpen = true;
        return;
    }
    if (game.roundOver) {
        return;
    }
    switch (key) {
    case platform::KeyLeft:
        game.keyDirX = -1;
        break;
    case platform::KeyRight:
        game.keyDirX = +1;
        break;
    case platform::KeyUp:
        game.keyDirY = -1;
        break;
    case platform::KeyDown:
        game.keyDirY = +1;
        break;
    default:
        break;
    }
}

void onKeyUp(Game& game, int key) {
    if (game.roundOver) {
        return;
    }
    if (key == platform::KeyLeft || key == platform::KeyRight) {
        game.keyDirX = 0;
    } else if (key == platform::KeyUp || key == platform::KeyDown) {
        game.keyDirY = 0;
    }
}

void onLeftButtonUp(Game& game) {
    if (game.menuOpen) {
        switch (game.menuChoice) {
        case 1:
            game.newGame();
            game.menuOpen = false;
            break;
        case 2:
            game.menuOpen = false;
            break;
        case 3:
            platform::postClose(game.window);
            break;
        default:
            break;
        }
    }
    // Also after a menu button, so that play resumes with no button held.
    game.leftButtonDown = false;
}

} // namespace

void windowProc(const platform::Event& event) {
    if (theGame == nullptr) {
        return;
    }
    Game& game = *theGame;
    using platform::EventType;
    switch (event.type) {
    case EventType::Activate:
        game.active = !event.minimized;
        break;
    case EventType::KeyDown:
        onKeyDown(game, event.key);
        break;
    case EventType::KeyUp:
        onKeyUp(game, event.key);
        break;
    case EventType::MouseMove:
        game.showCursor = true;
        break;
    case EventType::LeftButtonDown:
        game.showCursor = true;
        game.leftButtonDown = true;
        break;
    case EventType::LeftButtonUp:
        onLeftButtonUp(game);
        break;
    case EventType::RightButtonDown:
        game.showCursor = true;
        game.rightButtonDown = true;
        break;
    case EventType::RightButtonUp:
        game.rightButtonDown = false;
        break;
    case EventType::Close:
        // Closing the window ends the game: the window goes and the quit event follows.
        platform::destroyWindow(game.window);
        break;
    case EventType::Quit:
        break;
    }
}
