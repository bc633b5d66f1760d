// The benchmarks' 12-megapixel photograph-like picture, sample by sample: a smooth sky-to-ground
// gradient with sensor-like noise, a few discs and bars, so that JPEG coding works as on a photo.
#pragma once

#include <cstdint>

namespace bench {

inline constexpr int kPhotoWidth = 4000;
inline constexpr int kPhotoHeight = 3000;

// Channel 0 red, 1 green, 2 blue of pixel (x, y), y counted from the top. noise carries the
// generator's state from one sample to the next.
uint8_t PhotoSample(int x, int y, int channel, uint32_t& noise);

}  // namespace bench
