#include "commands/control_skin/button_caption.h"

#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr int kMaxCaption = 256;

UINT HorizontalFormat(LONG_PTR style, CaptionDefault horizontal)
{
    switch (style & BS_CENTER) {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    case BS_CENTER:
        return DT_CENTER;
    default:
        return horizontal == CaptionDefault::kCentred ? DT_CENTER : DT_LEFT;
    }
}

// The text's top edge inside the area for a text of the given height.
LONG VerticalTop(LONG_PTR style, const RECT& area, LONG height)
{
    switch (style & BS_VCENTER) {
    case BS_TOP:
        return area.top;
    case BS_BOTTOM:
        return area.bottom - height;
    default:
        return area.top + (area.bottom - area.top - height) / 2;
    }
}

}  // namespace

HFONT ControlFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

RECT DrawCaption(HDC dc, HWND window, const RECT& area, CaptionDefault horizontal, COLORREF colour)
{
    wchar_t text[kMaxCaption + 1] = {};
    int length = GetWindowTextW(window, text, kMaxCaption + 1);
    if (length <= 0 || IsEmpty(area)) {
        return RECT{0, 0, 0, 0};
    }
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    ScopedSelection font(dc, ControlFont(window));
    SetTextColor(dc, colour);
    UINT format = HorizontalFormat(style, horizontal) | ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
    RECT measured = area;
    DrawTextW(dc, text, length, &measured, format | DT_CALCRECT);
    const LONG height = measured.bottom - measured.top;
    const LONG width = measured.right - measured.left;
    RECT placed{area.left, VerticalTop(style, area, height), area.right, 0};
    placed.bottom = placed.top + height;
    DrawTextW(dc, text, length, &placed, format);
    // The covered rectangle, for a focus frame around the text.
    LONG left = area.left;
    if (format & DT_CENTER) {
        left = area.left + (area.right - area.left - width) / 2;
    } else if (format & DT_RIGHT) {
        left = area.right - width;
    }
    return RECT{left, placed.top, left + width, placed.bottom};
}

void DrawChoiceCaption(HDC dc, HWND window, const RECT& area, const SkinState& state, COLORREF textColour)
{
    const COLORREF colour = state.disabled ? GetSysColor(COLOR_GRAYTEXT) : textColour;
    RECT covered = DrawCaption(dc, window, area, CaptionDefault::kLeft, colour);
    if (state.focused && !IsEmpty(covered)) {
        InflateRect(&covered, 1, 1);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &covered);
    }
}

}  // namespace rt::commands::skin
