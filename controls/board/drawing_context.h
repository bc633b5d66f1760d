// Preparing a context for drawing on a board: its coordinate unit, its pen, brush and font, the
// colours, raster mix and stretch mode; and converting between the coordinate unit and pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/win32/owned_handles.h"

namespace rt::units {

// Pixel mode, then for units 1-5 the metric or English mapping mode (0.1 mm, 0.01 mm, 0.01 inch,
// 0.001 inch, twip) turned anisotropic with y growing downwards, origins at 0,0.
void SetCoordinateUnit(HDC dc, int32_t unit);

// Copy modes 1-5 of DrawPicture and Copy: source copy, inverted source copy, source invert,
// source paint, source and; any other value is a raster operation code itself.
DWORD CopyModeRasterOperation(int32_t copyMode);

// Halftone when the display has more than 16 bits per pixel, else colour-on-colour.
int DisplayStretchMode();

// What a prepared context draws with; null objects fall back to the stock black pen, white brush
// and default GUI font.
struct DrawingSetup {
    int32_t coordinateUnit = 0;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF brushColour = 0;
    uint32_t textBackColour = 0;  // 0xff000000: transparent background
    COLORREF backColour = 0;      // the board's effective background colour
    int32_t drawMode = 12;        // the raster mix is this plus 1
};

// Prepares the context for the scope's life; afterwards it is back in pixel mode with the stock
// black pen, white brush and default GUI font selected.
class PreparedContext {
public:
    PreparedContext(HDC dc, const DrawingSetup& setup);
    ~PreparedContext();
    PreparedContext(const PreparedContext&) = delete;
    PreparedContext& operator=(const PreparedContext&) = delete;

private:
    HDC dc_;
};

// Conversions between a board's coordinate unit and pixels, through the board window's context in
// that unit (the pixel unit needs none).
class UnitConverter {
public:
    UnitConverter(HWND window, int32_t unit);
    ~UnitConverter();
    UnitConverter(const UnitConverter&) = delete;
    UnitConverter& operator=(const UnitConverter&) = delete;

    POINT toPixels(POINT point) const;
    SIZE toPixels(SIZE size) const;
    POINT toUnits(POINT point) const;
    SIZE toUnits(SIZE size) const;

private:
    // The board window's context in the unit; null for the pixel unit.
    HDC context() const { return dc_ ? dc_->get() : nullptr; }

    std::optional<WindowDc> dc_;
};

}  // namespace rt::units
