// The drawing board unit kind (DrawPanel, 0x00010008): a child window with an off-screen bitmap
// that the application draws lines and pictures on, copies rectangles between and takes back as
// BMP file bytes.
#pragma once

#include "runtime/window/unit_kind.h"

namespace rt {

// The kind's record (kind rt::kDrawPanelKind), for RegisterUnitKind.
const UnitKindDescription& DrawPanelKind();

// Sets the routines behind the board's methods in the core command table: Clear, DrawLine,
// DrawPicture, Copy, GetPictureData, PictureWidth and PictureHeight.
void RegisterDrawPanelMethods();

}  // namespace rt
