// The screen's resolution, which font sizes in points are measured against.
#pragma once

namespace rt {

// The screen's logical pixels per inch along its height (LOGPIXELSY); 96 when the screen's
// context cannot be had or gives no answer.
int ScreenPixelsPerInch();

}  // namespace rt
