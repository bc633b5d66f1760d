// Check boxes, the same in every scheme: a 13 x 13 box with a gradient inside its outline, a
// solid inner square when indeterminate (or a light one while hot), a seven-column tick when
// checked, and the caption beside the box.
#include "commands/control_skin/button_caption.h"
#include "commands/control_skin/choice_layout.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr COLORREF kOutline = RGB(24, 81, 132);
constexpr COLORREF kTick = RGB(33, 162, 33);
constexpr COLORREF kTickDisabled = RGB(206, 203, 189);
constexpr int kTickColumns = 7;
constexpr int kTickHeight = 3;
constexpr int kTickStart[kTickColumns] = {2, 3, 4, 3, 2, 1, 0};

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

COLORREF IndeterminateColour(const SkinState& state)
{
    if (state.disabled) {
        return RGB(206, 203, 189);
    }
    if (state.pressed) {
        return RGB(24, 138, 24);
    }
    return state.hot ? RGB(33, 162, 33) : RGB(115, 195, 115);
}

void DrawMark(HDC dc, const RECT& inner, const SkinState& state)
{
    if (state.indeterminate) {
        FillColour(dc, inner, IndeterminateColour(state));
    } else if (state.hot && !state.pressed) {
        FillColour(dc, inner, state.checked ? RGB(247, 247, 247) : RGB(231, 231, 231));
    }
    if (!state.checked) {
        return;
    }
    const COLORREF colour = state.disabled ? kTickDisabled : kTick;
    for (int x = 0; x < kTickColumns; ++x) {
        RECT column{inner.left + x, inner.top + kTickStart[x], inner.left + x + 1,
                    inner.top + kTickStart[x] + kTickHeight};
        FillColour(dc, column, colour);
    }
}

}  // namespace

void PaintCheckBox(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    HDC dc = surface.dc();
    const SkinState& state = record.state;
    const RECT client = surface.clientArea();
    FillColour(dc, client, record.backColour);
    ChoiceLayout layout = LayOutChoice(client, GetWindowLongPtrW(record.window, GWL_STYLE), kCheckBoxMetrics);
    FrameColour(dc, layout.box, state.disabled ? Darker(ButtonFace(), 0x202020) : kOutline);
    FillGradient(dc, Inset(layout.box, 1), StateGradient(scheme, GradientUse::kCheckBox, InsideState(state)));
    DrawMark(dc, Inset(layout.box, 3), state);
    DrawChoiceCaption(dc, record.window, layout.text, state, record.textColour);
    surface.copyToWindow(client);
}

}  // namespace rt::commands::skin
