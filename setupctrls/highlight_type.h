#pragma once

#include <cstdint>

// The kind of a highlighted spot: its tint, its menu section and its popup's Tag.
enum class THighlightType : std::uint8_t { htOptions, htSettings, htCalibration };
