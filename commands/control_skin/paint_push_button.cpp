// Push buttons in layers on the client area: the parent's colour under a button-face ring, the
// outlined face with its state band and inner gradient, the focus frame and the caption.
#include "commands/control_skin/button_caption.h"
#include "commands/control_skin/button_face.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr COLORREF kGreyCaption = RGB(165, 162, 148);
constexpr COLORREF kCaption = RGB(0, 0, 0);

FaceLook LookOf(const SkinState& state)
{
    return FaceLook{state.disabled, state.pressed, state.hot, state.checked || state.indeterminate,
                    state.focused || state.defaultPush};
}

}  // namespace

void PaintPushButton(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    HDC dc = surface.dc();
    const SkinState& state = record.state;
    const RECT client = surface.clientArea();
    FillColour(dc, client, record.backColour);
    FrameColour(dc, client, ButtonFace());
    DrawButtonFace(dc, Inset(client, 1), LookOf(state), scheme);
    if (state.focused) {
        RECT focus = Inset(client, 3);
        SetTextColor(dc, kCaption);
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
    RECT text = Inset(client, 4);
    if (state.pressed) {
        OffsetRect(&text, 1, 1);
    }
    const COLORREF colour = state.disabled || state.indeterminate ? kGreyCaption : kCaption;
    DrawCaption(dc, record.window, text, CaptionDefault::kCentred, colour);
    surface.copyToWindow(client);
}

}  // namespace rt::commands::skin
