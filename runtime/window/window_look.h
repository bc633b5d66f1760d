// How a window unit looks: frame styles from its options, the outline of its Shape, its
// background and its icons.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/unit_options/window_options.h"
#include "runtime/win32/owned_handles.h"

namespace rt {

struct WindowStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// Border 0..6, title bar, system menu, sizing frame, tool window, client edge and the boxes.
WindowStyles FrameStyles(const WindowOptions& options);

// The outline of Shape 1..29 at the window's size, or null for the rectangle (0) and for values
// out of range.
UniqueRegion CreateShapeRegion(int shape, int width, int height);

// The BackPicture bytes as a device bitmap, through the picture side's service 1003; null when
// they are empty, cannot be decoded or nobody offers the service.
UniqueBitmap BackPictureBitmap(const std::vector<uint8_t>& bytes);

// Where BackPictureMode places one picture of the given size in the client area: 0 at the
// top-left in natural size, 1 the first tile at the top-left, 2 centred and shrunk to fit with
// the aspect ratio kept (never enlarged), 3 stretched over the whole area.
RECT BackPictureTarget(int mode, SIZE picture, SIZE client);

// Draws a background picture inside the area as BackPictureMode says (see BackPictureTarget),
// clipped to it; stretching uses the given stretch mode. Windows, labels and boards share it.
void DrawBackPicture(HDC dc, const RECT& area, int mode, HBITMAP picture, int stretchMode);

// Fills the client area with BackColour (0xff000000: the button face), then draws the picture, if
// any, as BackPictureMode says.
void PaintWindowBackground(HDC dc, const RECT& client, const WindowOptions& options, HBITMAP picture);

// The icon of the given size from .ico file bytes, or null when they hold none.
UniqueIcon IconFromIcoBytes(const uint8_t* data, size_t length, int width, int height);

struct WindowIconPair {
    UniqueIcon big;
    UniqueIcon small;
};

}  // namespace rt
