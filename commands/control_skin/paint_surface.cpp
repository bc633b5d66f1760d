#include "commands/control_skin/paint_surface.h"

namespace rt::skin {
namespace {

constexpr DWORD kWindowContextFlags = DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_CLIPCHILDREN;

}  // namespace

PaintSurface::PaintSurface(HWND window) : window_(window)
{
    RECT outer{};
    RECT client{};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client)) {
        return;
    }
    size_ = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    clientArea_ = RECT{origin.x - outer.left, origin.y - outer.top, origin.x - outer.left + client.right,
                       origin.y - outer.top + client.bottom};
    if (size_.cx <= 0 || size_.cy <= 0) {
        return;
    }
    windowDc_ = GetDCEx(window, nullptr, kWindowContextFlags);
    if (!windowDc_) {
        return;
    }
    memory_ = CreateCompatibleDC(windowDc_);
    bitmap_.reset(CreateCompatibleBitmap(windowDc_, size_.cx, size_.cy));
    if (!memory_ || !bitmap_) {
        return;
    }
    previous_ = SelectObject(memory_, bitmap_.get());
    SetBkMode(memory_, TRANSPARENT);
}

PaintSurface::~PaintSurface()
{
    if (memory_) {
        if (previous_) {
            SelectObject(memory_, previous_);
        }
        DeleteDC(memory_);
    }
    bitmap_.reset();
    if (windowDc_) {
        ReleaseDC(window_, windowDc_);
    }
}

void PaintSurface::copyToWindow(const RECT& part)
{
    if (!ready()) {
        return;
    }
    BitBlt(windowDc_, part.left, part.top, part.right - part.left, part.bottom - part.top, memory_, part.left,
           part.top, SRCCOPY);
}

void PaintSurface::copyToWindow(const RECT& part, const RECT& keep)
{
    if (!ready()) {
        return;
    }
    int saved = SaveDC(windowDc_);
    ExcludeClipRect(windowDc_, keep.left, keep.top, keep.right, keep.bottom);
    copyToWindow(part);
    RestoreDC(windowDc_, saved);
}

}  // namespace rt::skin
