#include "commands/control_skin/paint_surface.h"

namespace rt::commands::skin {
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
    HDC windowDc = windowDc_.emplace(window, GetDCEx(window, nullptr, kWindowContextFlags)).get();
    if (!windowDc) {
        return;
    }
    HDC memory = memory_.emplace(windowDc).get();
    bitmap_.reset(CreateCompatibleBitmap(windowDc, size_.cx, size_.cy));
    if (!memory || !bitmap_) {
        return;
    }
    selection_.emplace(memory, bitmap_.get());
    SetBkMode(memory, TRANSPARENT);
}

void PaintSurface::copyToWindow(const RECT& part)
{
    if (!ready()) {
        return;
    }
    BitBlt(windowDc_->get(), part.left, part.top, part.right - part.left, part.bottom - part.top, memory_->get(),
           part.left, part.top, SRCCOPY);
}

void PaintSurface::copyToWindow(const RECT& part, const RECT& keep)
{
    if (!ready()) {
        return;
    }
    HDC windowDc = windowDc_->get();
    int saved = SaveDC(windowDc);
    ExcludeClipRect(windowDc, keep.left, keep.top, keep.right, keep.bottom);
    copyToWindow(part);
    RestoreDC(windowDc, saved);
}

}  // namespace rt::commands::skin
