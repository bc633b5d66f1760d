// Real windows for the skin's tests: a borderless host window at a fixed place on the screen
// whose colour request answers with known colours, controls created on it, a message pump, pixels
// read back from the windows, the gradient colours GDI gives a pixel, and counts of live GDI
// objects and windows.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "commands/control_skin/skin_colours.h"
#include "tools/automation/image.h"

namespace skin_test {

// What the host answers to WM_CTLCOLORBTN (and every other colour request).
inline constexpr COLORREF kParentBack = RGB(10, 120, 200);
inline constexpr COLORREF kParentText = RGB(120, 0, 40);

// A visible, topmost, borderless top-level window of a class of its own; destroyed with its
// children when the owner goes.
class HostWindow {
public:
    HostWindow(int width = 420, int height = 320);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND get() const { return window_; }
    // A visible child control of the class at the rectangle (client coordinates).
    HWND add(const wchar_t* className, const wchar_t* text, DWORD style, RECT rect, DWORD extendedStyle = 0) const;

private:
    HWND window_ = nullptr;
};

// A child control of any parent; WS_CHILD is added.
HWND CreateControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, RECT rect,
                   DWORD extendedStyle = 0);

// Dispatches waiting messages for about the given time.
void Pump(DWORD milliseconds);

// What the window shows now, read through its window context, in window coordinates.
std::optional<automation::Image> Capture(HWND window);
// The same, or an empty picture when it cannot be read.
automation::Image Shot(HWND window);
// The pixel, or CLR_INVALID outside the picture.
COLORREF PixelOf(const automation::Image& image, int x, int y);

// True when each of red, green and blue differs by at most `tolerance`.
bool Near(COLORREF actual, COLORREF expected, int tolerance);
std::string ColourText(COLORREF colour);
// The colour with `amount` taken from each of red, green and blue.
COLORREF Less(COLORREF colour, int amount);

// A pixel's colour within `tolerance` of the expected one (0 for solid colours, 1 for gradients).
#define EXPECT_COLOUR(actual, expected, tolerance)            \
    EXPECT_TRUE(skin_test::Near(actual, expected, tolerance)) \
        << #actual << " is " << skin_test::ColourText(actual) << ", expected " << skin_test::ColourText(expected)

// The colour GDI's two-triangle gradient fill gives the pixel (x, y) of a rectangle filled from
// the gradient's corners: the top row has the top colours, the last row lies one row short of
// the bottom colours.
COLORREF GradientAt(const rt::commands::skin::Gradient& gradient, const RECT& rect, int x, int y);

// GDI objects of the process: what GetGuiResources reports, or, where it reports none (Wine),
// the live entries of the process's GDI handle table.
long LiveGdiObjects();
long UserObjects();
// Windows of the calling thread, with all their descendants.
long ThreadWindows();

// The window's procedure as the pointer-sized window long reads it.
WNDPROC ProcedureOf(HWND window);

// Switches the skin on for the scope and off again at its end.
class SkinOn {
public:
    explicit SkinOn(int scheme);
    ~SkinOn();
    SkinOn(const SkinOn&) = delete;
    SkinOn& operator=(const SkinOn&) = delete;
};

}  // namespace skin_test
