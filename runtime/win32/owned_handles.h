// Owners of the Win32 handles the program makes or borrows: GDI objects, icons and cursors, device
// contexts, an object selected into a context, and kernel handles. Each gives back exactly what it
// was given, the way that kind of handle is given back, so an early return cannot leak one.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace rt {

// GDI objects this code created; stock objects never go in here.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct CursorDeleter {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
using UniqueCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;

// A window's client-area context (the screen's for a null window) borrowed with GetDC, or one the
// caller borrowed with GetDCEx or GetWindowDC; given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : WindowDc(window, GetDC(window)) {}
    WindowDc(HWND window, HDC borrowed) : window_(window), dc_(borrowed) {}
    ~WindowDc()
    {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The screen's context.
class ScreenDc : public WindowDc {
public:
    ScreenDc() : WindowDc(nullptr) {}
};

// A memory context compatible with another (with the screen for null), deleted with DeleteDC.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc()
    {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a context for one scope and puts the previous one back. A null object
// selects nothing.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection()
    {
        if (ok()) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    // False when nothing was selected: a null object, or one the context refused.
    bool ok() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }
    // What the context held before, for code that puts it back for a while.
    HGDIOBJ previous() const { return previous_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A kernel handle (file, mapping, process, thread, event, pipe); null and INVALID_HANDLE_VALUE both
// mean none, so the failure of CreateFileW and of OpenProcess alike leave it empty.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset()
    {
        if (HANDLE held = std::exchange(handle_, nullptr)) {
            CloseHandle(held);
        }
    }
    // Gives the handle to a new owner, which closes it.
    HANDLE release() { return std::exchange(handle_, nullptr); }

private:
    HANDLE handle_ = nullptr;
};

}  // namespace rt
