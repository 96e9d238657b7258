#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// Writes a progressive JFIF (72 dpi) carrying the given ICC profile.
// Returns false and fills *error if the file cannot be written.
bool writeProgressiveJpeg(const QImage& image, const std::string& path, int quality,
                          const std::vector<std::uint8_t>& iccProfile, std::string* error);
