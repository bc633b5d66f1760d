#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour)
{
    return TRIVERTEX{x,
                     y,
                     static_cast<COLOR16>(GetRValue(colour) << 8),
                     static_cast<COLOR16>(GetGValue(colour) << 8),
                     static_cast<COLOR16>(GetBValue(colour) << 8),
                     0};
}

void Ellipse(HDC dc, const RECT& bounds, COLORREF pen, HBRUSH fill)
{
    UniquePen outline(CreatePen(PS_SOLID, 1, pen));
    ScopedSelection penSelection(dc, outline.get());
    ScopedSelection brushSelection(dc, fill);
    ::Ellipse(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

}  // namespace

RECT Inset(const RECT& rect, int amount)
{
    return RECT{rect.left + amount, rect.top + amount, rect.right - amount, rect.bottom - amount};
}

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

void FillColour(HDC dc, const RECT& rect, COLORREF colour)
{
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void FrameColour(HDC dc, const RECT& rect, COLORREF colour)
{
    UniqueBrush brush(CreateSolidBrush(colour));
    FrameRect(dc, &rect, brush.get());
}

void SetPixelColour(HDC dc, int x, int y, COLORREF colour) { SetPixelV(dc, x, y, colour); }

void FillGradient(HDC dc, const RECT& rect, const Gradient& gradient)
{
    if (IsEmpty(rect)) {
        return;
    }
    TRIVERTEX corners[4] = {
        Vertex(rect.left, rect.top, gradient.topLeft),
        Vertex(rect.right, rect.top, gradient.topRight),
        Vertex(rect.left, rect.bottom, gradient.bottomLeft),
        Vertex(rect.right, rect.bottom, gradient.bottomRight),
    };
    GRADIENT_TRIANGLE halves[2] = {{0, 1, 3}, {0, 3, 2}};
    GradientFill(dc, corners, 4, halves, 2, GRADIENT_FILL_TRIANGLE);
}

void FillGradientIn(HDC dc, const RECT& rect, const Gradient& gradient, HRGN region)
{
    SavedContext saved(dc);
    SelectClipRgn(dc, region);
    FillGradient(dc, rect, gradient);
}

void DrawDisc(HDC dc, const RECT& bounds, COLORREF pen, COLORREF fill)
{
    UniqueBrush brush(CreateSolidBrush(fill));
    Ellipse(dc, bounds, pen, brush.get());
}

void DrawRing(HDC dc, const RECT& bounds, COLORREF pen)
{
    Ellipse(dc, bounds, pen, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

}  // namespace rt::commands::skin
