// Small drawing steps the painters share, on any device context: solid fills and one-pixel
// frames, four-corner gradient fills (GradientFill, two triangles), discs and rings, and gradients
// clipped to a region. Every GDI object made here is deleted before the call returns.
#pragma once

#include <windows.h>

#include "commands/control_skin/skin_colours.h"
#include "runtime/win32/owned_handles.h"

namespace rt::commands::skin {

// The context's state (clipping, selections, colours) saved and restored with the scope.
class SavedContext {
public:
    explicit SavedContext(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedContext()
    {
        if (saved_) {
            RestoreDC(dc_, saved_);
        }
    }
    SavedContext(const SavedContext&) = delete;
    SavedContext& operator=(const SavedContext&) = delete;

private:
    HDC dc_;
    int saved_;
};

RECT Inset(const RECT& rect, int amount);
bool IsEmpty(const RECT& rect);

void FillColour(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel frame along the inside of the rectangle.
void FrameColour(HDC dc, const RECT& rect, COLORREF colour);
void SetPixelColour(HDC dc, int x, int y, COLORREF colour);
// Fills the rectangle from its four corner colours; the top row has the top colours and each
// further row moves toward the bottom colours, which the rectangle's bottom edge would have.
void FillGradient(HDC dc, const RECT& rect, const Gradient& gradient);
// The same, painted only inside the region (in the context's device coordinates).
void FillGradientIn(HDC dc, const RECT& rect, const Gradient& gradient, HRGN region);
// An ellipse on the bounds, outlined with the pen colour and filled with the fill colour.
void DrawDisc(HDC dc, const RECT& bounds, COLORREF pen, COLORREF fill);
// An ellipse's outline only.
void DrawRing(HDC dc, const RECT& bounds, COLORREF pen);

}  // namespace rt::commands::skin
