// A captured picture: top-down rows of 8-bit red, green, blue.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace automation {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes

    // The pixel as 0x00BBGGRR, the way GDI writes colours; x and y must lie inside.
    COLORREF Pixel(int x, int y) const
    {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
        return RGB(p[0], p[1], p[2]);
    }
};

}  // namespace automation
