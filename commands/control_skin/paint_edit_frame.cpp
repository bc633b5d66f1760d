// Edit boxes keep their own painting; a bordered one gets the skin's frame over its whole window,
// and a white line down the edge an up-down is linked at, so the two read as one control.
#include "commands/control_skin/control_frame.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr int kFrameWidth = 2;

bool HasBorder(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return (style & WS_BORDER) || (extended & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

}  // namespace

void PaintEditFrame(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    if (!HasBorder(record.window)) {
        return;
    }
    HDC dc = surface.dc();
    const SkinState& state = record.state;
    const RECT all = surface.windowArea();
    DrawControlFrame(dc, all, state.disabled, state.readOnly, scheme);
    if (state.linkedRight) {
        FillColour(dc, RECT{all.right - 1, all.top + 1, all.right, all.bottom - 1}, RGB(255, 255, 255));
    }
    if (state.linkedLeft) {
        FillColour(dc, RECT{all.left, all.top + 1, all.left + 1, all.bottom - 1}, RGB(255, 255, 255));
    }
    surface.copyToWindow(all, Inset(all, kFrameWidth));
}

}  // namespace rt::commands::skin
