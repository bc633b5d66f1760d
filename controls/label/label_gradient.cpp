#include "controls/label/label_gradient.h"

#include <algorithm>
#include <cmath>

#include "controls/common/unit_look.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

// Share of the way from 0 at index 0 to 1 at the last index of a run of count.
double Along(int index, int count) { return count > 1 ? static_cast<double>(index) / (count - 1) : 0.0; }

// Distance from the centre of a run of count, 0 at the centre, 1 at either end.
double FromCentre(int index, int count) { return count > 1 ? std::fabs(2.0 * Along(index, count) - 1.0) : 0.0; }

int Channel(COLORREF colour, int shift) { return static_cast<int>((colour >> shift) & 0xff); }

int Mix(int from, int to, double share) { return static_cast<int>(std::lround(from + (to - from) * share)); }

}  // namespace

std::vector<COLORREF> UsedColours(uint32_t first, uint32_t second, uint32_t third)
{
    std::vector<COLORREF> used;
    for (uint32_t colour : {first, second, third}) {
        if (colour != kDefaultBackColour) {
            used.push_back(static_cast<COLORREF>(colour & 0x00ffffff));
        }
    }
    return used;
}

COLORREF BlendColours(const std::vector<COLORREF>& colours, double position)
{
    if (colours.empty()) {
        return 0;
    }
    if (colours.size() == 1) {
        return colours.front();
    }
    double scaled = std::clamp(position, 0.0, 1.0) * static_cast<double>(colours.size() - 1);
    size_t step = std::min(static_cast<size_t>(scaled), colours.size() - 2);
    double share = scaled - static_cast<double>(step);
    COLORREF from = colours[step];
    COLORREF to = colours[step + 1];
    return RGB(Mix(Channel(from, 0), Channel(to, 0), share), Mix(Channel(from, 8), Channel(to, 8), share),
               Mix(Channel(from, 16), Channel(to, 16), share));
}

double GradientPosition(int mode, int x, int y, int width, int height)
{
    switch (mode) {
    case 1:
        return Along(x, width);
    case 2:
        return Along(y, height);
    case 3:
        return Along(x + y, width + height - 1);
    case 4:
        return Along(x + (height - 1 - y), width + height - 1);
    case 5:
        return FromCentre(x, width);
    case 6:
        return FromCentre(y, height);
    case 7:
        return std::max(FromCentre(x, width), FromCentre(y, height));
    case 8:
        return std::min(1.0, std::hypot(FromCentre(x, width), FromCentre(y, height)));
    default:
        return 0.0;
    }
}

void PaintGradient(HDC dc, const RECT& area, int mode, const std::vector<COLORREF>& colours)
{
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    // One 32-bit pixel per point, top-down, handed to the device in one call.
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            COLORREF colour = BlendColours(colours, GradientPosition(mode, x, y, width, height));
            pixels[static_cast<size_t>(y) * width + x] =
                GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, area.left, area.top, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

void PaintGradientFrame(HDC dc, const RECT& rect, int width, const std::vector<COLORREF>& colours)
{
    RECT ring = rect;
    for (int step = 0; step < width && ring.right > ring.left && ring.bottom > ring.top; ++step) {
        UniqueBrush brush(CreateSolidBrush(BlendColours(colours, Along(step, width))));
        FrameRect(dc, &ring, brush.get());
        InflateRect(&ring, -1, -1);
    }
}

}  // namespace rt::units
