// Writes true-colour pictures as deflate-compressed PNG files: screenshots, contact sheets,
// the game's icons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// pixels holds width x height pixels of `channels` bytes (3: red, green, blue; 4: with alpha),
// top row first. False when the file cannot be written.
bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& pixels, int channels = 3);

// The PNG file's bytes; empty when the pixels do not fill the picture.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& pixels,
                                    int channels = 3);
