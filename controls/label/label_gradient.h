// The label's gradients: the background of GradientMode 1-8 and the frame of Border 6.
//
// A gradient runs through its colours in order (two or three), evenly spaced from position 0 to 1.
// Background modes, by where position 0 lies and where 1:
//   1 left edge to right edge            2 top edge to bottom edge
//   3 top-left corner to bottom-right    4 bottom-left corner to top-right
//   5 vertical centre line to left and right edges
//   6 horizontal centre line to top and bottom edges
//   7 centre to the edges as nested rectangles
//   8 centre outward as ellipses, reaching 1 at the middle of each edge (corners stay at 1)
// The frame is shaded across its width: position 0 on the outer edge, 1 on the inner edge, so the
// default grey, white, grey colours give a rounded, tube-like frame.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace rt::units {

inline constexpr int kFirstGradientMode = 1;
inline constexpr int kLastGradientMode = 8;

// The colours that take part: those that are not 0xFF000000 ("not used"), in order.
std::vector<COLORREF> UsedColours(uint32_t first, uint32_t second, uint32_t third);

// The colour at position (0 to 1, held there) along the colours; black when there are none.
COLORREF BlendColours(const std::vector<COLORREF>& colours, double position);

// Where pixel (x, y) of a width × height area lies along the gradient of the mode (0 to 1).
double GradientPosition(int mode, int x, int y, int width, int height);

// Fills the area with the gradient of the mode (1-8) through at least two colours.
void PaintGradient(HDC dc, const RECT& area, int mode, const std::vector<COLORREF>& colours);

// Draws a frame of the given width inside the rectangle, shaded from the outer to the inner edge.
void PaintGradientFrame(HDC dc, const RECT& rect, int width, const std::vector<COLORREF>& colours);

}  // namespace rt::units
