// The files the game reads from its folder: what must be there for it to look and sound as it
// should, and what a fingerprint of its data covers.
#pragma once

#include <string>
#include <vector>

// Each file once, as the game names it ("Data\Cow.wav"): the map, the palette's picture, the
// splash and menu pictures, the seven sounds, then the sprite pictures in their load order.
const std::vector<std::string>& gameFiles();
