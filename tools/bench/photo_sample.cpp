#include "tools/bench/photo_sample.h"

#include <algorithm>
#include <cmath>

namespace bench {

uint8_t PhotoSample(int x, int y, int channel, uint32_t& noise)
{
    noise = noise * 1664525 + 1013904223;
    double value = channel == 2 ? 200 - 120.0 * y / kPhotoHeight : 60 + 150.0 * x / kPhotoWidth * (channel + 1) / 3;
    for (int disc = 0; disc < 6; ++disc) {
        double dx = x - (500 + 600 * disc);
        double dy = y - (800 + 250 * (disc % 3));
        if (dx * dx + dy * dy < 250.0 * 250.0) {
            value = 40 + 35 * disc + 20 * channel + 10 * std::sin((dx + dy) / 40);
        }
    }
    if ((y / 150) % 7 == 3 && x > 2000) {
        value = 30 * channel;
    }
    value += static_cast<int>(noise >> 28) - 8;
    return static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
}

}  // namespace bench
