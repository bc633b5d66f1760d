// The 48 patterns of brush types 8-55: 8 x 8 pixels, one byte per row from the top, the leftmost
// pixel in the most significant bit, a set bit where the brush colour is painted.
#pragma once

#include <array>
#include <cstdint>

namespace rt::units {

using PatternRows = std::array<uint8_t, 8>;

inline constexpr int kFirstPatternBrush = 8;
inline constexpr int kPatternCount = 48;

const std::array<PatternRows, kPatternCount>& BrushPatterns();

}  // namespace rt::units
