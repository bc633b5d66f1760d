// The drawing board unit kind (DrawPanel, 0x00010008): a child window with an off-screen bitmap
// that the application draws lines and pictures on, copies rectangles between and takes back as
// BMP file bytes.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt::units {

// The kind's record (kind rt::kBoardKind), for RegisterUnitKind.
const UnitKindDescription& BoardKind();

// Sets the routines behind the board's methods in the core command table: Clear, DrawLine,
// DrawPicture, Copy, GetPictureData, PictureWidth and PictureHeight.
void RegisterBoardMethods();

}  // namespace rt::units
