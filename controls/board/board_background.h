// A board's background: its colour, and its picture placed by BackPictureMode over the whole
// drawing area (0 once at the top-left, 1 tiled, 2 centred and shrunk to fit, never enlarged).
#pragma once

#include <windows.h>

#include <cstdint>

namespace rt::units {

// Paints the background of a drawing area of the given size at the context's origin, in pixels;
// the context's clipping limits what is touched. picture may be null (colour only).
void PaintBoardBackground(HDC dc, SIZE area, COLORREF colour, HBITMAP picture, int32_t mode);

}  // namespace rt::units
