#include "controls/board/board_background.h"

#include "controls/board/drawing_context.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/window_look.h"

namespace rt::units {

void PaintBoardBackground(HDC dc, SIZE area, COLORREF colour, HBITMAP picture, int32_t mode)
{
    RECT whole{0, 0, area.cx, area.cy};
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &whole, brush.get());
    if (picture) {
        DrawBackPicture(dc, whole, mode, picture, DisplayStretchMode());
    }
}

}  // namespace rt::units
