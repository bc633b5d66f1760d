// The table of 26 closed outlines behind Shape 4 to 29.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt {

inline constexpr uint16_t kOutlineEnd = 0xffff;
inline constexpr uint16_t kOutlineScale = 0x7fff;
inline constexpr int kOutlineCount = 26;

extern const uint16_t kWindowOutlines[];
extern const size_t kWindowOutlinesLength;

}  // namespace rt
