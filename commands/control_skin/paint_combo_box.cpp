// Combo boxes: the edit box's frame and a drop button drawn like a small push button, with a down
// arrow; the box shows its own text between them. Its open list gets a one-pixel frame whose
// colour tells the state.
#include <algorithm>

#include "commands/control_skin/button_face.h"
#include "commands/control_skin/control_frame.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr int kFrameWidth = 2;
constexpr COLORREF kHotFrame = RGB(229, 151, 0);
constexpr COLORREF kFocusFrame = RGB(105, 130, 238);

// The focus is on the box; a box with an edit field hands it on to the field.
bool HasFocus(const SkinRecord& record)
{
    if (record.state.dropDownList) {
        return record.state.focused;
    }
    HWND focus = GetFocus();
    return record.state.focused || (focus && IsChild(record.window, focus));
}

bool IsDropped(HWND window) { return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0; }

COLORREF ListFrameColour(const SkinState& state, int scheme)
{
    if (state.disabled) {
        return Darker(ButtonFace(), 0x202020);
    }
    if (state.pressed) {
        return SchemeOutlineColour(scheme);
    }
    if (state.hot) {
        return kHotFrame;
    }
    return state.focused ? kFocusFrame : SchemeFrameColour(scheme);
}

}  // namespace

void PaintComboBox(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    HDC dc = surface.dc();
    const SkinState& state = record.state;
    const RECT all = surface.windowArea();
    DrawControlFrame(dc, all, state.disabled, false, scheme);
    const RECT inside = Inset(all, kFrameWidth);
    const LONG buttonWidth = std::min<LONG>(GetSystemMetrics(SM_CXVSCROLL), inside.right - inside.left);
    const RECT button{inside.right - buttonWidth, inside.top, inside.right, inside.bottom};
    FaceLook look{state.disabled, state.pressed || IsDropped(record.window), state.hot, false, HasFocus(record)};
    DrawButtonFace(dc, button, look, scheme);
    DrawArrow(dc, button, ArrowDirection::kDown, look, scheme);
    surface.copyToWindow(all, RECT{inside.left, inside.top, button.left, inside.bottom});
}

void PaintDropDownList(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    const RECT all = surface.windowArea();
    FrameColour(surface.dc(), all, ListFrameColour(record.state, scheme));
    surface.copyToWindow(all, Inset(all, 1));
}

}  // namespace rt::commands::skin
