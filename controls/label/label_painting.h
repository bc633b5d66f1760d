// Painting a label: the gradient frame, the background (picture, gradient or colour) and the
// caption with its effect. One routine serves WM_PAINT and WM_PRINTCLIENT.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/unit_options/label_options.h"

namespace rt::units {

struct LabelLook {
    const LabelOptions& options;
    HFONT font;           // the font to draw with, never null
    HBITMAP backPicture;  // the decoded BackPicture, or null
    const std::wstring& text;
};

// The area left for background and text once the gradient frame, if any, is drawn.
RECT LabelTextArea(const RECT& client, const LabelOptions& options);

void PaintLabel(HDC dc, const RECT& client, const LabelLook& look);

}  // namespace rt::units
