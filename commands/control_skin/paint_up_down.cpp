// Up-downs: two small push buttons, one per half (upper and lower, or left and right when
// horizontal), each with its arrow; the half under the mouse is hot, and pressed while the
// control holds the mouse with the button down.
#include "commands/control_skin/button_face.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

struct Half {
    RECT area;
    ArrowDirection arrow;
    UpDownHalf which;
};

// The up-down holds the mouse from the press of a button to its release.
bool MouseHeld(HWND window) { return GetCapture() == window; }

void Split(const RECT& client, bool horizontal, Half halves[2])
{
    if (horizontal) {
        const LONG middle = client.left + (client.right - client.left) / 2;
        halves[0] = {RECT{client.left, client.top, middle, client.bottom}, ArrowDirection::kLeft, UpDownHalf::kFirst};
        halves[1] = {RECT{middle, client.top, client.right, client.bottom}, ArrowDirection::kRight,
                     UpDownHalf::kSecond};
    } else {
        const LONG middle = client.top + (client.bottom - client.top) / 2;
        halves[0] = {RECT{client.left, client.top, client.right, middle}, ArrowDirection::kUp, UpDownHalf::kFirst};
        halves[1] = {RECT{client.left, middle, client.right, client.bottom}, ArrowDirection::kDown,
                     UpDownHalf::kSecond};
    }
}

}  // namespace

void PaintUpDown(const SkinRecord& record, PaintSurface& surface, int scheme)
{
    HDC dc = surface.dc();
    const SkinState& state = record.state;
    const RECT client = surface.clientArea();
    FillColour(dc, client, record.backColour);
    Half halves[2];
    Split(client, state.horizontal, halves);
    const bool held = MouseHeld(record.window);
    for (const Half& half : halves) {
        const bool hot = state.hot && state.hotHalf == half.which;
        FaceLook look{state.disabled, hot && held, hot, false, state.focused};
        DrawButtonFace(dc, half.area, look, scheme);
        DrawArrow(dc, Inset(half.area, 1), half.arrow, look, scheme);
    }
    surface.copyToWindow(client);
}

}  // namespace rt::commands::skin
