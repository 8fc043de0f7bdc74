// What the process entry asks of the back end beyond the game's own needs: the player's
// choice of screen and sound, where the executable lives, and where screenshots go.
#pragma once

#include <functional>
#include <string>

namespace platform {

struct ScreenChoice {
    bool fullscreen = true;
    bool integerScale = false; // whole multiples of the game's screen only, centred
    // Full screen by the display's own 1024 x 768 x 8 mode where the back end has one;
    // otherwise borderless over the desktop at its own size.
    bool exclusive = true;
};

// Both before the window is made. Without sound, every sound plays on a silent output that
// still keeps each sound's time.
void chooseScreen(const ScreenChoice& choice);
void chooseSound(bool enabled, int volumePercent);

// Called whenever the player switches between full screen and a window (Alt+Enter).
void onScreenModeChange(std::function<void(bool fullscreen)> listener);

// Called when no sound output opens and the player chooses to play without sound from now on.
void onSilenceKept(std::function<void()> listener);

// F12 writes the screen as a PNG file into this folder (made when needed).
void setScreenshotFolder(const std::string& folder);

// The folder the running executable lies in; empty when it cannot be told.
std::string executableFolder();

} // namespace platform
