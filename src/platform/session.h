// What the process entry asks of the back end beyond the game's own needs: what it offers the
// command line, the player's choice of screen and sound, where the executable lives, where
// screenshots go, and the word that the run is over.
#pragma once

#include <functional>
#include <string>

namespace platform {

// What a back end may lack. The front door refuses the options that need what the back end it
// runs on lacks.
enum class Feature {
    WindowModes,     // a window or the full screen, and their scaling (--windowed, --scale)
    FullScreenKinds, // the display's own mode or borderless (--exclusive, --borderless)
    GameFolder,      // a game folder to look for or name (--data)
    Demos,           // recording and playing demos (--record, --play)
    SettingsFile,    // the settings file in the player's configuration folder
    StoredSettings,  // the settings as values of the player's store, beside the best score
};

bool offers(Feature feature);

// The game on this back end, as the refusal names it ("the browser game").
const char* gameName();

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

// The run is over, with the process's status and, when the game could not start, the first of
// its files that is missing. A page that holds the game is told; elsewhere nobody listens.
void runEnded(int status, const std::string& missingFile);

} // namespace platform
