// The control skin: the standard controls of one thread (push buttons, check boxes, radio buttons,
// edit boxes, combo boxes with their lists, up-downs, group boxes) painted by the program itself in
// one of three colour schemes. The XP-style library's SetXpStyle switches it on and off.
#pragma once

namespace rt::commands {

enum SkinScheme : int { kSkinBlue = 1, kSkinOlive = 2, kSkinSilver = 3 };

// Switches the skin off, then on with the scheme (1 to 3; any other value paints as 3) for the
// calling thread: every window of the thread is skinned, and so is every window the thread creates
// later. Returns 1.
int SwitchSkinOn(int scheme);

// Switches the skin off for the calling thread: every skinned window gets its own procedure back.
// Nonzero when a hook was removed; 0 when the skin was not on.
int SwitchSkinOff();

}  // namespace rt::commands
