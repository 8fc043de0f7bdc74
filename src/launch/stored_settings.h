// The settings kept in the player's store beside the best score, one value each, as the
// settings file spells them: "Screen" (fullscreen or windowed), "Full Screen" (exclusive or
// borderless), "Scale" (fit or integer), "Volume" (0 to 100) and "Sound" (on or off).
#pragma once

#include <string>
#include <vector>

#include "launch/settings.h"

// A missing value keeps its default; one that cannot be read or is no setting's value is
// ignored, with a complaint naming it.
Settings loadStoredSettings(std::vector<std::string>& complaints);

// Stores every value; false when one could not be stored.
bool saveStoredSettings(const Settings& settings);
