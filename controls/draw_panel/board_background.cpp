#include "controls/draw_panel/board_background.h"

#include "controls/draw_panel/drawing_context.h"
#include "pictures/decoding/gdi_owners.h"
#include "runtime/window/owned_handles.h"
#include "runtime/window/window_look.h"

namespace rt {
namespace {

constexpr int kTiled = 1;

void DrawBackPicture(HDC dc, SIZE area, HBITMAP picture, int32_t mode)
{
    BITMAP info{};
    if (!GetObjectW(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        return;
    }
    pictures::MemoryDc source(dc);
    pictures::ScopedSelection selection(source.get(), picture);
    if (!selection.ok()) {
        return;
    }
    SIZE size{info.bmWidth, info.bmHeight};
    if (mode == kTiled) {
        for (LONG y = 0; y < area.cy; y += size.cy) {
            for (LONG x = 0; x < area.cx; x += size.cx) {
                BitBlt(dc, x, y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
            }
        }
        return;
    }
    RECT target = BackPictureTarget(mode, size, area);
    int oldMode = SetStretchBltMode(dc, DisplayStretchMode());
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(), 0,
               0, size.cx, size.cy, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}

}  // namespace

void PaintBoardBackground(HDC dc, SIZE area, COLORREF colour, HBITMAP picture, int32_t mode)
{
    RECT whole{0, 0, area.cx, area.cy};
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &whole, brush.get());
    if (picture) {
        DrawBackPicture(dc, area, picture, mode);
    }
}

}  // namespace rt
