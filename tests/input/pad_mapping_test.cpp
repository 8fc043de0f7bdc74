// The controller mapping: what each pad change makes, in the words of a demo script.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/pad_mapping.h"

namespace {

using platform::PadState;

std::string words(const std::vector<platform::PadEvent>& events) {
    // In the order of platform::EventType.
    const char* const names[] = {"keydown ", "keyup ", "mouse ", "ldown", "lup", "rdown", "rup"};
    std::string text;
    for (const platform::PadEvent& padEvent : events) {
        const platform::Event& e = padEvent.event;
        const auto type = static_cast<std::size_t>(e.type);
        text += type < std::size(names) ? names[type] : "?";
        if (e.type == platform::EventType::MouseMove) {
            text += std::to_string(padEvent.cursor.x) + ' ' + std::to_string(padEvent.cursor.y);
        } else if (type < 2) {
            text += std::to_string(e.key);
        }
        text += "; ";
    }
    return text;
}

TEST(SteeringPoint, PlacesTheCursorByTheSticksPush) {
    struct Row {
        int deadzone;
        float x, y;
        platform::Point point;
    };
    const Row rows[] = {
        {20, 0, 0, {480, 288}},             // centred
        {20, 0.19f, 0, {480, 288}},         // inside the dead zone
        {20, 1, 0, {700, 288}},             // full right: fast
        {20, 0.5f, 0, {594, 288}},          // half right: slow
        {20, 0, -1, {480, 68}},             // full up: fast
        {20, 0.7071f, 0.7071f, {636, 444}}, // full diagonal: fast on both axes
        {0, 0.1f, 0, {548, 288}},           // no dead zone: the smallest push steers
        {50, 0.45f, 0, {480, 288}},
    };
    for (const Row& row : rows) {
        platform::PadMapping mapping;
        mapping.setDeadzone(row.deadzone);
        EXPECT_EQ(mapping.steeringPoint(row.x, row.y), row.point)
            << row.deadzone << "% " << row.x << ", " << row.y;
    }
}

// A pad's looks, one after another, and what each one makes.
struct Look {
    PadState state;
    bool menuOpen = false;
    int selectedKind = 3;
    std::string expected;
};

void play(const std::vector<Look>& looks) {
    platform::PadMapping mapping;
    int n = 0;
    for (const Look& look : looks) {
        mapping.setContext({look.menuOpen, look.selectedKind});
        std::vector<platform::PadEvent> out;
        mapping.update(0, look.state, out);
        EXPECT_EQ(words(out), look.expected) << "look " << n;
        ++n;
    }
}

constexpr unsigned South = platform::PadSouth;
constexpr unsigned East = platform::PadEast;

TEST(PadMapping, SteersWithTheStickAndTheDpad) {
    play({
        {{1, 0, 0}, false, 3, "mouse 700 288; rdown; keydown 255; "},
        {{0.5f, 0, 0}, false, 3, "mouse 594 288; keydown 255; "},
        {{0.5f, 0, 0}, false, 3, ""},
        {{0, 0, 0}, false, 3, "rup; "},
        {{0, 0, platform::PadLeft}, false, 3, "keydown 37; "},
        {{0, 0, platform::PadLeft | platform::PadDown}, false, 3, "keydown 40; "},
        {{0, 0, 0}, false, 3, "keyup 37; keyup 40; "},
    });
}

TEST(PadMapping, ShouldersClickTheNextAndThePreviousKindsIcon) {
    play({
        {{0, 0, platform::PadRightShoulder}, false, 3, "mouse 913 726; ldown; keydown 255; lup; "},
        {{0, 0, 0}, false, 4, ""},
        {{0, 0, platform::PadRightShoulder}, false, 4, "mouse 973 666; ldown; keydown 255; lup; "},
        {{0, 0, 0}, false, 1, ""},
        {{0, 0, platform::PadLeftShoulder}, false, 1, "mouse 913 726; ldown; keydown 255; lup; "},
        // While steering, the stick lets the cursor go for the click and takes it back.
        {{1, 0, platform::PadLeftShoulder}, false, 4, "mouse 700 288; rdown; keydown 255; "},
        {{1, 0, 0}, false, 4, ""},
        {{1, 0, platform::PadLeftShoulder},
         false,
         4,
         "rup; mouse 913 666; ldown; keydown 255; lup; mouse 700 288; rdown; keydown 255; "},
    });
}

TEST(PadMapping, FaceButtonsHoldTheSpeedAndTheDirectionButtons) {
    play({
        {{1, 0, South}, false, 3, "mouse 853 696; ldown; keydown 255; "},
        // The stick waits while a panel button is held.
        {{1, 0, South}, false, 3, ""},
        {{1, 0, 0}, false, 3, "lup; mouse 700 288; rdown; keydown 255; "},
        {{0, 0, East}, false, 3, "rup; mouse 763 696; ldown; keydown 255; "},
        {{0, 0, 0}, false, 3, "lup; "},
    });
}

TEST(PadMapping, StartIsEscapeAndTheMenuIsChosenWithUpAndDown) {
    play({
        {{1, 0, platform::PadStart},
         false,
         3,
         "keydown 27; keyup 27; mouse 700 288; rdown; keydown 255; "},
        {{1, 0, 0}, true, 3, "rup; mouse 525 382; keydown 255; "},
        {{1, 0, platform::PadUp}, true, 3, "mouse 525 293; keydown 255; "},
        {{1, 0, 0}, true, 3, "keyup 38; "},
        {{1, 0, platform::PadUp}, true, 3, ""},
        {{1, 0, 0}, true, 3, "keyup 38; "},
        {{0, 0, platform::PadDown}, true, 3, "mouse 525 382; keydown 255; "},
        {{0, 0, platform::PadDown | South}, true, 3, "ldown; keydown 255; lup; "},
        {{0, 0, 0}, false, 3, "keyup 40; "},
    });
}

TEST(PadMapping, TheFirstPadUsedDrivesUntilItGoes) {
    platform::PadMapping mapping;
    std::vector<platform::PadEvent> out;
    mapping.update(1, {0.1f, 0, 0}, out); // plugged in, not used
    mapping.update(2, {0, 0, platform::PadUp}, out);
    mapping.update(1, {0, 0, platform::PadLeft}, out);
    mapping.update(2, {1, 0, platform::PadUp}, out);
    EXPECT_EQ(words(out), "keydown 38; mouse 700 288; rdown; keydown 255; ");
    out.clear();
    mapping.removed(1, out);
    mapping.removed(2, out);
    EXPECT_EQ(words(out), "rup; keyup 38; ");
    out.clear();
    mapping.update(1, {0, 0, platform::PadLeft}, out);
    EXPECT_EQ(words(out), "keydown 37; ");
}

} // namespace
