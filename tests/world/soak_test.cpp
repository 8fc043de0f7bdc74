// A long game of random play: keys, mouse, panel throws, the menu, new games, minimising and
// lost surfaces, on a map of its own. Nothing may go wrong, no count may go below zero, and
// the thrown figures in the air stay within what the panel allows.
#include <gtest/gtest.h>

#include <random>

#include "platform/headless/headless.h"
#include "support/game_folder.h"
#include "support/headless_game.h"
#include "world/flying_object.h"

namespace {

using platform::EventType;

// An island of meadow in a lake, with a river, a town, burnt ground and the shooting target
// beyond the water on the east.
void drawIsland(GameFolder& folder) {
    for (int column = 1; column <= 201; ++column) {
        for (int row = 1; row <= 206; ++row) {
            folder.setGround(column, row, Grass);
        }
    }
    for (int row = 30; row <= 150; ++row) {
        folder.setGround(99, row, LeftBank);
        for (int column = 100; column <= 102; ++column) {
            folder.setGround(column, row, Water);
        }
        folder.setGround(103, row, RightBank);
    }
    for (int column = 150; column <= 155; ++column) {
        for (int row = 50; row <= 55; ++row) {
            folder.setGround(column, row, (column + row) % 3 == 0 ? Collumn : Building);
        }
    }
    for (int column = 180; column <= 185; ++column) {
        for (int row = 10; row <= 14; ++row) {
            folder.setGround(column, row, DropBomb + (column + row) % 4);
        }
    }
    for (int column = 204; column <= 214; ++column) {
        for (int row = 16; row <= 26; ++row) {
            folder.setGround(column, row, Target001 + (column - 204) * 11 + (row - 16) - 12);
        }
    }
}

int flyingCount(const Game& game) {
    int count = 0;
    for (const FlyingObject* object = game.flyingObjects; object != nullptr;
         object = object->getNext()) {
        ++count;
    }
    return count;
}

// The random player: pokes at everything, and now and then goes through a whole throw.
class RandomPlayer {
public:
    explicit RandomPlayer(HeadlessGame& headless) : headless_(headless) {}

    // The input of one frame; returns the frame's length in milliseconds.
    std::uint32_t play(const Game& game) {
        if (game.menuOpen) {
            // Back to the game: resume, or now and then a new game; never the quit button. The
            // menu reads the button under the cursor in its frame, so point first, then click.
            if (!pointingAtMenu_) {
                const int x = pick(341, 709);
                headless_.mouse(x, chance(4) ? 290 : 380);
            } else {
                headless_.send(EventType::LeftButtonDown);
                headless_.send(EventType::LeftButtonUp);
            }
            pointingAtMenu_ = !pointingAtMenu_;
            return 16;
        }
        if (throwStep_ > 0 || chance(12)) {
            throwing();
        } else {
            poke();
        }
        if (chance(2000)) {
            headless_.press(platform::KeyEscape);
        }
        if (chance(5000)) {
            headless::queueEvent({EventType::Activate, 0, true});
            headless::queueEvent({EventType::Activate, 0, false});
        }
        if (chance(3000)) {
            headless::loseSurfacesAtNextFlip();
        }
        static constexpr std::uint32_t Ticks[] = {16, 16, 16, 16, 33, 60, 120, 200};
        return Ticks[pick(0, 7)];
    }

private:
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void poke() {
        static constexpr int Arrows[] = {platform::KeyLeft, platform::KeyRight, platform::KeyUp,
                                         platform::KeyDown};
        if (chance(20)) {
            headless_.key(EventType::KeyDown, Arrows[pick(0, 3)]);
        }
        if (chance(25)) {
            headless_.key(EventType::KeyUp, Arrows[pick(0, 3)]);
        }
        if (chance(10)) {
            const int x = pick(0, 1023);
            headless_.mouse(x, pick(0, 767));
        }
        if (chance(30)) {
            headless_.send(chance(2) ? EventType::RightButtonDown : EventType::RightButtonUp);
        }
        if (chance(30)) {
            headless_.send(chance(2) ? EventType::LeftButtonDown : EventType::LeftButtonUp);
        }
    }

    // Kind icon, speed button, direction button: a press and a release on each.
    void throwing() {
        switch (throwStep_) {
        case 0: {
            const int icon = pick(0, 3);
            pressWithin(icon < 2 ? 944 : 884, icon < 2 ? 1002 : 942, icon % 2 == 0 ? 637 : 697,
                        icon % 2 == 0 ? 695 : 755);
            break;
        }
        case 2:
            pressWithin(824, 882, 637, 755);
            break;
        case 4:
            pressWithin(704, 822, 637, 755);
            break;
        default:
            headless_.send(EventType::LeftButtonUp);
            break;
        }
        throwStep_ = (throwStep_ + 1) % 6;
    }

    void pressWithin(int left, int right, int top, int bottom) {
        const int x = pick(left, right);
        const int y = pick(top, bottom);
        headless_.mouse(x, y);
        headless_.send(EventType::LeftButtonDown);
    }

    HeadlessGame& headless_;
    std::mt19937 random_{20240607};
    int throwStep_ = 0;
    bool pointingAtMenu_ = false;
};

TEST(Soak, AHundredThousandFramesOfRandomPlay) {
    GameFolder folder(Water);
    drawIsland(folder);
    folder.write();
    HeadlessGame headless(folder.path());
    ASSERT_TRUE(headless.start());
    Game& game = headless.game();
    // Plenty to throw, given again whenever a new game has taken it away.
    const auto stockUp = [&game] {
        if (game.caught[0] + game.caught[1] + game.caught[2] + game.caught[3] < 40) {
            game.caught = {250, 250, 250, 250};
        }
    };

    RandomPlayer player(headless);
    int mostInTheAir = 0;
    int thrown = 0;
    int previousInTheAir = 0;
    for (int frame = 1; frame <= 100'000; ++frame) {
        stockUp();
        const std::uint32_t tick = player.play(game);
        ASSERT_TRUE(headless.turn(tick)) << "the game quit at frame " << frame;
        const int inTheAir = flyingCount(game);
        ASSERT_LE(inTheAir, 250) << "frame " << frame;
        if (inTheAir > previousInTheAir) {
            thrown += inTheAir - previousInTheAir;
        }
        previousInTheAir = inTheAir;
        mostInTheAir = std::max(mostInTheAir, inTheAir);
        for (int kind = 0; kind < 4; ++kind) {
            ASSERT_GE(game.caught[kind], 0) << "frame " << frame;
            ASSERT_LE(game.caught[kind], 1000) << "frame " << frame;
        }
        ASSERT_GE(game.whirlwindX, 480);
        ASSERT_GE(game.whirlwindY, 288);
        ASSERT_LT(game.whirlwindX, MapColumns * 32);
        ASSERT_LT(game.whirlwindY, MapRows * 32);
    }
    // The run really threw things and kept several in the air at once.
    EXPECT_GT(thrown, 1000);
    EXPECT_GT(mostInTheAir, 10);
}

} // namespace
