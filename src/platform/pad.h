// Game controllers: a pad in the standard layout as every back end reads it, and what the game
// tells the controller mapping about itself each frame.
#pragma once

namespace platform {

// The buttons of a pad in the standard layout (south is A or Cross, east is B or Circle).
enum PadButton : unsigned {
    PadSouth = 1u << 0,
    PadEast = 1u << 1,
    PadWest = 1u << 2,
    PadNorth = 1u << 3,
    PadLeftShoulder = 1u << 4,
    PadRightShoulder = 1u << 5,
    PadBack = 1u << 6,
    PadStart = 1u << 7,
    PadUp = 1u << 8,
    PadDown = 1u << 9,
    PadLeft = 1u << 10,
    PadRight = 1u << 11,
};

// One look at a pad: the left stick from -1 to 1 (right and down positive), and the buttons
// held.
struct PadState {
    float stickX = 0;
    float stickY = 0;
    unsigned buttons = 0;
    bool operator==(const PadState&) const = default;
};

// What the pad steers by: whether the menu is shown, and the kind the panel has selected
// (1 Indian, 2 Farmer, 3 Cow, 4 CowBoy).
struct PlayContext {
    bool menuOpen = false;
    int selectedKind = 3;
};

// The frame driver tells the controller mapping after every frame.
void tellPlayContext(const PlayContext& context);

// The left stick's dead zone, in percent of a full push (0 to 95; 20 unless chosen).
inline constexpr int DefaultStickDeadzone = 20;
void choosePadDeadzone(int percent);

} // namespace platform
