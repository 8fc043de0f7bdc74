// A long game of random play on a map of its own: keys, mouse, whole throws, the menu, new
// games, minimising and lost surfaces. Nothing may go wrong, no count may leave 0..1000, and no
// more thrown figures may be in the air than the panel allows.
#include <gtest/gtest.h>

#include <random>

#include "world/flying_object.h"
#include "world_fixture.h"

namespace {

using platform::EventType;

// An island of meadow in a lake, with a river, a town, burnt ground, and the target beyond the
// water on the east.
void drawIsland(GameFolder& folder) {
    const auto fill = [&](int column, int columns, int row, int rows, auto value) {
        for (int c = column; c < column + columns; ++c) {
            for (int r = row; r < row + rows; ++r) {
                folder.setGround(c, r, value(c, r));
            }
        }
    };
    fill(1, 201, 1, 206, [](int, int) { return Ground::Grass; });
    fill(99, 5, 30, 120, [](int c, int) {
        return c == 99 ? Ground::LeftBank : c == 103 ? Ground::RightBank : Ground::Water;
    });
    fill(150, 6, 50, 6,
         [](int c, int r) { return (c + r) % 3 == 0 ? Ground::Collumn : Ground::Building; });
    fill(180, 6, 10, 5, [](int c, int r) { return Ground::DropBomb + (c + r) % 4; });
    fill(204, 11, 16, 11, [](int c, int r) { return Ground::Target001 + (c - 204) * 11 + r - 16; });
}

int inTheAir(const Game& game) {
    int count = 0;
    for (const FlyingObject* o = game.flyingObjects; o != nullptr; o = o->getNext()) {
        ++count;
    }
    return count;
}

// Pokes at everything, and now and then goes through a whole throw over six frames.
class RandomPlayer {
public:
    explicit RandomPlayer(HeadlessGame& headless) : headless_(headless) {}

    // The input of one frame; returns the frame's length in milliseconds.
    std::uint32_t play(const Game& game) {
        if (game.menuOpen) {
            // Resume, or now and then a new game, never quit. The menu reads the button under
            // the cursor in its own frame, so point first and click in the next.
            if (pointing_) {
                headless_.send(EventType::LeftButtonDown);
                headless_.send(EventType::LeftButtonUp);
            } else {
                const int button = pick(1, 4) == 1 ? 290 : 380; // new game, or resume
                pointAt(341, 709, button, button);
            }
            pointing_ = !pointing_;
            return 16;
        }
        if (throwStep_ > 0 || pick(1, 12) == 1) {
            // Kind icon, speed button, direction button: a press and a release on each.
            const int zones[3][4] = {
                {884, 1002, 637, 755}, {824, 882, 637, 755}, {704, 822, 637, 755}};
            if (throwStep_ % 2 == 0) {
                const int* zone = zones[throwStep_ / 2];
                pointAt(zone[0], zone[1], zone[2], zone[3]);
                headless_.send(EventType::LeftButtonDown);
            } else {
                headless_.send(EventType::LeftButtonUp);
            }
            throwStep_ = (throwStep_ + 1) % 6;
        } else {
            const int arrows[] = {platform::KeyLeft, platform::KeyRight, platform::KeyUp,
                                  platform::KeyDown};
            const EventType buttons[] = {EventType::LeftButtonDown, EventType::LeftButtonUp,
                                         EventType::RightButtonDown, EventType::RightButtonUp};
            const int roll = pick(1, 100);
            if (roll <= 5) {
                headless_.key(roll <= 3 ? EventType::KeyDown : EventType::KeyUp,
                              arrows[pick(0, 3)]);
            } else if (roll <= 15) {
                pointAt(0, 1023, 0, 767);
            } else if (roll <= 20) {
                headless_.send(buttons[pick(0, 3)]);
            }
        }
        const int rare = pick(1, 10000);
        if (rare <= 5) {
            headless_.press(platform::KeyEscape);
        } else if (rare <= 7) {
            headless::queueEvent({EventType::Activate, 0, true});
            headless::queueEvent({EventType::Activate, 0, false});
        } else if (rare <= 10) {
            headless::loseSurfacesAtNextFlip();
        }
        const std::uint32_t ticks[] = {16, 16, 16, 16, 33, 60, 120, 200};
        return ticks[pick(0, 7)];
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    // The mouse to somewhere in the box, edges included.
    void pointAt(int left, int right, int top, int bottom) {
        const int x = pick(left, right);
        headless_.mouse(x, pick(top, bottom));
    }

    HeadlessGame& headless_;
    std::mt19937 random_{20240607};
    int throwStep_ = 0;
    bool pointing_ = false;
};

TEST(Soak, AHundredThousandFramesOfRandomPlay) {
    GameFolder folder(Ground::Water);
    drawIsland(folder);
    folder.write();
    HeadlessGame headless(folder.path());
    ASSERT_TRUE(headless.start());
    Game& game = headless.game();
    RandomPlayer player(headless);
    int thrown = 0;
    int most = 0;
    for (int frame = 1, before = 0; frame <= 100'000; ++frame) {
        if (game.caught[0] + game.caught[1] + game.caught[2] + game.caught[3] < 40) {
            game.caught = {250, 250, 250, 250}; // plenty to throw, again after a new game
        }
        ASSERT_TRUE(headless.turn(player.play(game))) << "the game quit at frame " << frame;
        const int now = inTheAir(game);
        ASSERT_LE(now, 250) << "frame " << frame;
        thrown += std::max(0, now - before);
        most = std::max(most, now);
        before = now;
        for (const std::int32_t count : game.caught) {
            ASSERT_TRUE(count >= 0 && count <= 1000) << "frame " << frame;
        }
        ASSERT_TRUE(game.whirlwindX >= 480 && game.whirlwindX < MapColumns * 32);
        ASSERT_TRUE(game.whirlwindY >= 288 && game.whirlwindY < MapRows * 32);
    }
    EXPECT_GT(thrown, 1000); // the run really threw, with many in the air at once
    EXPECT_GT(most, 10);
}

} // namespace
