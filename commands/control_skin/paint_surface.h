// The skin's memory bitmap for one paint: as large as the whole window, selected into a memory
// context with a transparent text background. Painters draw into it in window coordinates; the
// result is copied to the window through its window context, which leaves the window's children
// and overlapping siblings alone.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/win32/owned_handles.h"

namespace rt::commands::skin {

class PaintSurface {
public:
    explicit PaintSurface(HWND window);
    PaintSurface(const PaintSurface&) = delete;
    PaintSurface& operator=(const PaintSurface&) = delete;

    // False when GDI could not make the contexts or the bitmap: nothing should be painted.
    bool ready() const { return selection_ && selection_->ok(); }
    HDC dc() const { return memory_ ? memory_->get() : nullptr; }
    HWND window() const { return window_; }
    // The whole window, and its client area, in window coordinates.
    RECT windowArea() const { return RECT{0, 0, size_.cx, size_.cy}; }
    RECT clientArea() const { return clientArea_; }

    // Copies a part of the bitmap onto the window.
    void copyToWindow(const RECT& part);
    // The same, leaving what the window itself painted inside `keep`.
    void copyToWindow(const RECT& part, const RECT& keep);

private:
    // In the order they are made, so they go in reverse: the selection first, the window context last.
    HWND window_;
    std::optional<WindowDc> windowDc_;
    std::optional<MemoryDc> memory_;
    UniqueBitmap bitmap_;
    std::optional<ScopedSelection> selection_;
    SIZE size_{0, 0};
    RECT clientArea_{0, 0, 0, 0};
};

}  // namespace rt::commands::skin
