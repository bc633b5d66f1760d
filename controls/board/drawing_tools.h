// The pen, brush and font a board draws with, made from its properties.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "controls/common/unit_look.h"
#include "runtime/unit_options/font_description.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {

// PenType 0-6 with PenWidth in the board's coordinate unit (type 0 asks for style number 8 with
// width 0). Null when GDI refuses the pen; the board then draws with the stock black pen.
UniquePen CreateBoardPen(int32_t type, int32_t width, COLORREF colour);

// A brush and, for the pattern types, the one-bit bitmap it is made of.
struct BoardBrush {
    UniqueBrush brush;
    UniqueBitmap pattern;
};

// BrushType 0 hollow, 1 solid, 2-7 hatched, 8-55 pattern brushes whose set pattern bits take the
// context's text colour (the board sets it to BrushColour) and the rest its background colour.
BoardBrush CreateBoardBrush(int32_t type, COLORREF colour);

// The board font: the described one, or the default GUI font's description, with the height
// turned from pixels into the coordinate unit when that is not the pixel. Null for the stock
// default GUI font (coordinate unit 0 and no font).
UniqueFont CreateBoardFont(const std::optional<FontDescription>& font, int32_t coordinateUnit);

// The height a font of that pixel height gets in the coordinate unit (1-5) at the screen's
// vertical resolution.
int32_t FontHeightInUnit(int32_t pixelHeight, int32_t coordinateUnit, int pixelsPerInch);

}  // namespace rt::units
