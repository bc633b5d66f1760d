#include "commands/control_skin/button_face.h"

#include <algorithm>

#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
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

// The arrow as a region built line by line: `half` + 1 lines, the widest (2 * half + 1 pixels)
// at the back, one pixel at the tip.
UniqueRegion ArrowRegion(const RECT& area, ArrowDirection direction, int half)
{
    const LONG cx = (area.left + area.right) / 2;
    const LONG cy = (area.top + area.bottom) / 2;
    const bool vertical = direction == ArrowDirection::kUp || direction == ArrowDirection::kDown;
    const bool tipFirst = direction == ArrowDirection::kUp || direction == ArrowDirection::kLeft;
    const LONG start = (vertical ? cy : cx) - (half + 1) / 2;
    UniqueRegion arrow(CreateRectRgn(0, 0, 0, 0));
    for (int line = 0; line <= half; ++line) {
        const LONG spread = tipFirst ? line : half - line;
        const LONG at = start + line;
        RECT part =
            vertical ? RECT{cx - spread, at, cx + spread + 1, at + 1} : RECT{at, cy - spread, at + 1, cy + spread + 1};
        UniqueRegion piece(CreateRectRgnIndirect(&part));
        if (arrow && piece) {
            CombineRgn(arrow.get(), arrow.get(), piece.get(), RGN_OR);
        }
    }
    return arrow;
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
    if (side < 4) {
        return;
    }
    UniqueRegion region = ArrowRegion(area, direction, std::clamp(side / 4, 1, 4));
    if (!region) {
        return;
    }
    RECT bounds{};
    GetRgnBox(region.get(), &bounds);
    FillGradientIn(dc, bounds, StateGradient(scheme, GradientUse::kArrow, ArrowState(look)), region.get());
}

}  // namespace rt::commands::skin
