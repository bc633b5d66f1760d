#include "controls/board/drawing_context.h"

#include <array>

namespace rt::units {
namespace {

constexpr uint32_t kTransparentBack = 0xff000000;
constexpr int kMaxStretchDepthForColourOnColour = 16;

}  // namespace

void SetCoordinateUnit(HDC dc, int32_t unit)
{
    static constexpr std::array<int, 5> kModes = {MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH, MM_TWIPS};
    SetMapMode(dc, MM_TEXT);
    if (unit < 1 || unit > static_cast<int32_t>(kModes.size())) {
        return;
    }
    SetMapMode(dc, kModes[unit - 1]);
    SIZE windowExtent;
    SIZE viewportExtent;
    GetWindowExtEx(dc, &windowExtent);
    GetViewportExtEx(dc, &viewportExtent);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, windowExtent.cx, -windowExtent.cy, nullptr);
    SetViewportExtEx(dc, viewportExtent.cx, viewportExtent.cy, nullptr);
    POINT origin;
    if (GetViewportOrgEx(dc, &origin) && (origin.x != 0 || origin.y != 0)) {
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }
    if (GetWindowOrgEx(dc, &origin) && (origin.x != 0 || origin.y != 0)) {
        SetWindowOrgEx(dc, 0, 0, nullptr);
    }
}

DWORD CopyModeRasterOperation(int32_t copyMode)
{
    switch (copyMode) {
    case 1:
        return SRCCOPY;
    case 2:
        return NOTSRCCOPY;
    case 3:
        return SRCINVERT;
    case 4:
        return SRCPAINT;
    case 5:
        return SRCAND;
    default:
        return static_cast<DWORD>(copyMode);
    }
}

int DisplayStretchMode()
{
    ScreenDc screen;
    int bits = screen.get() ? GetDeviceCaps(screen.get(), BITSPIXEL) : 32;
    return bits > kMaxStretchDepthForColourOnColour ? HALFTONE : COLORONCOLOR;
}

PreparedContext::PreparedContext(HDC dc, const DrawingSetup& setup) : dc_(dc)
{
    SetCoordinateUnit(dc, setup.coordinateUnit);
    SelectObject(dc, setup.pen ? static_cast<HGDIOBJ>(setup.pen) : GetStockObject(BLACK_PEN));
    SelectObject(dc, setup.brush ? static_cast<HGDIOBJ>(setup.brush) : GetStockObject(WHITE_BRUSH));
    SelectObject(dc, setup.font ? static_cast<HGDIOBJ>(setup.font) : GetStockObject(DEFAULT_GUI_FONT));
    // One-bit pattern brushes paint their pattern in the text colour.
    SetTextColor(dc, setup.brushColour);
    if (setup.textBackColour == kTransparentBack) {
        SetBkMode(dc, TRANSPARENT);
        SetBkColor(dc, setup.backColour);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, setup.textBackColour);
    }
    SetROP2(dc, setup.drawMode + 1);
    SetStretchBltMode(dc, DisplayStretchMode());
    // Halftone stretching leaves the brush origin undefined.
    SetBrushOrgEx(dc, 0, 0, nullptr);
    SetPolyFillMode(dc, WINDING);
}

PreparedContext::~PreparedContext()
{
    SetMapMode(dc_, MM_TEXT);
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
}

UnitConverter::UnitConverter(HWND window, int32_t unit)
{
    if (unit != 0) {
        dc_.emplace(window);
        if (HDC dc = context()) {
            SetCoordinateUnit(dc, unit);
        }
    }
}

UnitConverter::~UnitConverter()
{
    if (HDC dc = context()) {
        SetMapMode(dc, MM_TEXT);
    }
}

POINT UnitConverter::toPixels(POINT point) const
{
    if (HDC dc = context()) {
        LPtoDP(dc, &point, 1);
    }
    return point;
}

SIZE UnitConverter::toPixels(SIZE size) const
{
    POINT corners[2] = {{0, 0}, {size.cx, size.cy}};
    if (HDC dc = context()) {
        LPtoDP(dc, corners, 2);
    }
    return {corners[1].x - corners[0].x, corners[1].y - corners[0].y};
}

POINT UnitConverter::toUnits(POINT point) const
{
    if (HDC dc = context()) {
        DPtoLP(dc, &point, 1);
    }
    return point;
}

SIZE UnitConverter::toUnits(SIZE size) const
{
    POINT corners[2] = {{0, 0}, {size.cx, size.cy}};
    if (HDC dc = context()) {
        DPtoLP(dc, corners, 2);
    }
    return {corners[1].x - corners[0].x, corners[1].y - corners[0].y};
}

}  // namespace rt::units
