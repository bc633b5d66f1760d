// What the screen shows: captures of the virtual screen or a window, PNG files of them, and single
// pixels for tests that check what is painted.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tools/automation/image.h"

namespace automation {

// Copies a rectangle in screen coordinates from the screen; nothing for an empty or absurd one.
std::optional<Image> CaptureScreenRect(const RECT& rect);
// The whole virtual screen (every monitor).
std::optional<Image> CaptureScreen();
// The window's rectangle on the screen, with whatever covers it.
std::optional<Image> CaptureWindow(HWND window);
// The colour (0x00BBGGRR) at a point of the screen.
std::optional<COLORREF> ScreenPixel(int x, int y);

bool SaveScreenshot(const std::wstring& pngPath);
bool SaveWindowScreenshot(HWND window, const std::wstring& pngPath);

}  // namespace automation
