#include "commands/control_skin/button_face.h"

#include <algorithm>

#include "commands/control_skin/skin_drawing.h"

namespace rt::skin {
namespace {

constexpr COLORREF kDisabledFace = RGB(245, 244, 234);

ButtonRow BandRow(const FaceLook& look)
{
    if (look.pressed) {
        return ButtonRow::kPressed;
    }
    if (look.hot) {
        return ButtonRow::kHot;
    }
    if (look.checked) {
        return ButtonRow::kChecked;
    }
    return look.focused ? ButtonRow::kFocused : ButtonRow::kNormalBand;
}

GradientState ArrowState(const FaceLook& look)
{
    if (look.disabled) {
        return GradientState::kDisabled;
    }
    if (look.pressed) {
        return GradientState::kPressed;
    }
    return look.hot ? GradientState::kHot : GradientState::kNormal;
}

// Each corner pixel takes `corner`, the pixel diagonally inside it `inside`.
void RoundCorners(HDC dc, const RECT& rect, COLORREF corner, COLORREF inside)
{
    const LONG right = rect.right - 1;
    const LONG bottom = rect.bottom - 1;
    SetPixelColour(dc, rect.left, rect.top, corner);
    SetPixelColour(dc, right, rect.top, corner);
    SetPixelColour(dc, rect.left, bottom, corner);
    SetPixelColour(dc, right, bottom, corner);
    SetPixelColour(dc, rect.left + 1, rect.top + 1, inside);
    SetPixelColour(dc, right - 1, rect.top + 1, inside);
    SetPixelColour(dc, rect.left + 1, bottom - 1, inside);
    SetPixelColour(dc, right - 1, bottom - 1, inside);
}

// The triangle's corners for an arrow of the given half-width, its tip toward the direction.
void ArrowPoints(const RECT& area, ArrowDirection direction, int half, POINT points[3])
{
    const LONG cx = (area.left + area.right) / 2;
    const LONG cy = (area.top + area.bottom) / 2;
    const LONG depth = half;
    const LONG back = depth / 2;
    switch (direction) {
    case ArrowDirection::kUp:
        points[0] = {cx - half, cy + depth - back};
        points[1] = {cx + half + 1, cy + depth - back};
        points[2] = {cx, cy - back};
        break;
    case ArrowDirection::kDown:
        points[0] = {cx - half, cy - back};
        points[1] = {cx + half + 1, cy - back};
        points[2] = {cx, cy + depth - back + 1};
        break;
    case ArrowDirection::kLeft:
        points[0] = {cx + depth - back, cy - half};
        points[1] = {cx + depth - back, cy + half + 1};
        points[2] = {cx - back, cy};
        break;
    case ArrowDirection::kRight:
        points[0] = {cx - back, cy - half};
        points[1] = {cx - back, cy + half + 1};
        points[2] = {cx + depth - back + 1, cy};
        break;
    }
}

}  // namespace

void DrawButtonFace(HDC dc, const RECT& outline, const FaceLook& look, int scheme)
{
    const COLORREF face = ButtonFace();
    FrameColour(dc, outline, look.disabled ? Darker(face, 0x202020) : SchemeOutlineColour(scheme));
    const RECT band = Inset(outline, 1);
    if (look.disabled) {
        FillColour(dc, band, kDisabledFace);
    } else {
        FillGradient(dc, band, ButtonGradient(scheme, BandRow(look)));
    }
    const RECT inner = Inset(band, 2);
    if (look.pressed || look.checked) {
        FillGradient(dc, inner, ButtonGradient(scheme, ButtonRow::kInnerPressed));
    } else if (!look.disabled) {
        FillGradient(dc, inner, ButtonGradient(scheme, ButtonRow::kInnerNormal));
    }
    if (look.disabled) {
        RoundCorners(dc, outline, Darker(face, 0x151515), Darker(face, 0x111111));
    } else {
        RoundCorners(dc, outline, face, SchemeOutlineColour(scheme));
    }
}

void DrawArrow(HDC dc, const RECT& area, ArrowDirection direction, const FaceLook& look, int scheme)
{
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    const int half = std::clamp(side / 4, 1, 4);
    if (side < 4) {
        return;
    }
    POINT points[3];
    ArrowPoints(area, direction, half, points);
    UniqueRegion region(CreatePolygonRgn(points, 3, WINDING));
    if (!region) {
        return;
    }
    RECT bounds{};
    GetRgnBox(region.get(), &bounds);
    FillGradientIn(dc, bounds, StateGradient(scheme, GradientUse::kArrow, ArrowState(look)), region.get());
}

}  // namespace rt::skin
