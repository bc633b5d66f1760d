// The skin's colours: the three schemes' frame and outline colours, the push button's seven
// gradient rows, and the four-colour gradients of check boxes, radio buttons and arrows by state.
#pragma once

#include <windows.h>

namespace rt::commands::skin {

// Four corners of a gradient: top-left, top-right, bottom-left, bottom-right.
struct Gradient {
    COLORREF topLeft;
    COLORREF topRight;
    COLORREF bottomLeft;
    COLORREF bottomRight;
};

// The push button's gradient rows (also the faces of combo-box and up-down buttons).
enum class ButtonRow : int {
    kPressed = 0,
    kHot = 1,
    kChecked = 2,
    kFocused = 3,
    kNormalBand = 4,
    kInnerPressed = 5,
    kInnerNormal = 6,
};

// What a gradient of the state table is for, and the state it shows.
enum class GradientUse : int { kCheckBox = 0, kRadioButton = 1, kArrow = 2 };
enum class GradientState : int { kDisabled = 0, kPressed = 1, kHot = 2, kNormal = 3 };

// A scheme number outside 1 to 3 counts as 3 (silver).
int ValidScheme(int scheme);
// Frame of edit boxes and combo boxes.
COLORREF SchemeFrameColour(int scheme);
// The push button's outline.
COLORREF SchemeOutlineColour(int scheme);
const Gradient& ButtonGradient(int scheme, ButtonRow row);
const Gradient& StateGradient(int scheme, GradientUse use, GradientState state);

// The colour with the amount taken from each of its red, green and blue (never below 0):
// Darker(face, 0x202020) is the outline of a disabled control.
COLORREF Darker(COLORREF colour, COLORREF amount);
COLORREF ButtonFace();

}  // namespace rt::commands::skin
