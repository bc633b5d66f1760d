// What the unit kinds share in how they look: the border styles, the unit font, the background
// brush of a colour request and the colour that means "the system's button face".
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "runtime/unit_options/font_description.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {

// Background colours: this value stands for the system button-face colour.
inline constexpr uint32_t kDefaultBackColour = 0xff000000;
// The colour to paint with: the system button face for kDefaultBackColour, else the colour.
COLORREF EffectiveBackColour(uint32_t colour);

// Border 0 none, 1 sunken client edge, 2 raised (dialog-modal frame), 3 static edge, 4 client edge
// plus dialog-modal frame, 5 single line. Removes all four border styles first, then sets the
// value's (out of range counts as 0), with a frame-changed repositioning that moves, sizes and
// activates nothing.
void ApplyBorder(HWND control, int32_t border);
// The window and extended styles of a border, for creating a control with it.
struct BorderStyles {
    DWORD style = 0;
    DWORD extendedStyle = 0;
};
BorderStyles BorderStylesOf(int32_t border);

// A unit's font: the described one (character set and output precision forced to the defaults),
// or none when no font is given, for the stock default GUI font.
UniqueFont CreateUnitFont(const std::optional<FontDescription>& font);
// The font to select: the unit's own, or the stock default GUI font.
HFONT FontOrDefault(const UniqueFont& font);

// A solid brush for answering colour requests, rebuilt only when the colour changes.
class BackgroundBrush {
public:
    HBRUSH get(COLORREF colour);

private:
    UniqueBrush brush_;
    COLORREF colour_ = 0;
};

}  // namespace rt::units
