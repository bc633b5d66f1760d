// A board's off-screen bitmap: a bitmap compatible with the board window's client context,
// selected into a memory context of its own for as long as it lives.
#pragma once

#include <windows.h>

#include <memory>

#include "runtime/win32/owned_handles.h"

namespace rt::units {

class BoardBitmap {
public:
    // A bitmap of the size (at least 1 x 1 pixel) compatible with the window's client context;
    // null when GDI cannot make it.
    static std::unique_ptr<BoardBitmap> Create(HWND window, SIZE size);

    // The bitmap selected into a new memory context compatible with the given one.
    BoardBitmap(HDC compatibleWith, UniqueBitmap bitmap, SIZE size);
    BoardBitmap(const BoardBitmap&) = delete;
    BoardBitmap& operator=(const BoardBitmap&) = delete;

    HDC dc() const { return dc_.get(); }
    SIZE size() const { return size_; }
    RECT area() const { return {0, 0, size_.cx, size_.cy}; }

    // The bitmap taken out of its context while the scope lives: reading its bits (GetDIBits)
    // needs a bitmap that no context holds.
    class Released {
    public:
        explicit Released(BoardBitmap& owner);
        ~Released();
        Released(const Released&) = delete;
        Released& operator=(const Released&) = delete;

        HBITMAP get() const { return owner_.bitmap_.get(); }

    private:
        BoardBitmap& owner_;
    };

private:
    MemoryDc dc_;
    UniqueBitmap bitmap_;
    ScopedSelection selection_;
    SIZE size_;
};

}  // namespace rt::units
