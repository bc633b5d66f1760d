// Radio buttons, the same in every scheme: a 16 x 16 box holding a ringed disc, a gradient inside
// it, a light disc while hot and a green gradient dot when checked, and the caption beside it.
#include "commands/control_skin/button_caption.h"
#include "commands/control_skin/choice_layout.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr COLORREF kRing = RGB(33, 85, 132);
constexpr COLORREF kDiscFill = RGB(181, 195, 206);
constexpr COLORREF kHotDisc = RGB(247, 239, 222);
constexpr Gradient kDot = {RGB(173, 223, 165), RGB(41, 170, 33), RGB(41, 170, 33), RGB(16, 146, 16)};
constexpr Gradient kDotDisabled = {RGB(214, 215, 206), RGB(198, 195, 189), RGB(198, 195, 189), RGB(198, 190, 181)};

bool IsWindows9x() { return (GetVersion() & 0x80000000u) != 0; }

GradientState InsideState(const SkinState& state)
{
    if (state.disabled) {
        return GradientState::kDisabled;
    }
    if (state.pressed) {
        return GradientState::kPressed;
    }
    return state.hot ? GradientState::kHot : GradientState::kNormal;
}

// The region of an elliptic region's bounds falls a pixel short of what Ellipse() paints on the
// same bounds at the right and bottom: one more pixel each way makes the two cover alike.
void FillEllipseGradient(HDC dc, const RECT& bounds, const Gradient& gradient)
{
    UniqueRegion ellipse(CreateEllipticRgn(bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1));
    if (ellipse) {
        FillGradientIn(dc, bounds, gradient, ellipse.get());
    }
}

void DrawRadio(HDC dc, const RECT& box, const SkinState& state, int scheme)
{
    const COLORREF face = ButtonFace();
    // The disc is inset by one pixel, by two at the right and bottom.
    const RECT disc{box.left + 1, box.top + 1, box.right - 2, box.bottom - 2};
    COLORREF fill = IsWindows9x() ? kRing : kDiscFill;
    DrawDisc(dc, disc, face, state.disabled ? Darker(face, 0x101010) : fill);
    DrawRing(dc, disc, state.disabled ? Darker(face, 0x202020) : kRing);
    FillEllipseGradient(dc, Inset(disc, 2), StateGradient(scheme, GradientUse::kRadioButton, InsideState(state)));
    if (state.hot && !state.pressed) {
        DrawDisc(dc, Inset(disc, 4), kHotDisc, kHotDisc);
    }
    if (state.checked) {
        const RECT dot = Inset(disc, 3);
        DrawRing(dc, dot, state.disabled ? RGB(214, 211, 206) : RGB(156, 203, 148));
        FillEllipseGradient(dc, Inset(dot, 1), state.disabled ? kDotDisabled : kDot);
    }
}

}  // namespace

void PaintRadioButton(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    HDC dc = surface.dc();
    const RECT client = surface.clientArea();
    FillColour(dc, client, record.backColour);
    ChoiceLayout layout = LayOutChoice(client, GetWindowLongPtrW(record.window, GWL_STYLE), kRadioMetrics);
    DrawRadio(dc, layout.box, record.state, scheme);
    DrawChoiceCaption(dc, record.window, layout.text, record.state, record.textColour);
    surface.copyToWindow(client);
}

}  // namespace rt::commands::skin
