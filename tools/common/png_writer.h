// Writes true-colour pictures as PNG files, for screenshots and contact sheets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width x height pixels of three bytes, top row first. False when the file cannot
// be written.
bool writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

// The PNG file's bytes.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
