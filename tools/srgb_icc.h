#pragma once

#include <cstdint>
#include <vector>

// ICC v2 display profile describing sRGB, relative to the D50 connection space.
std::vector<std::uint8_t> buildSrgbIccProfile();
