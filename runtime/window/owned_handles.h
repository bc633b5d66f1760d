// Owners of the handles the window layer creates: each destroys exactly what it was given.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace rt {

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct CursorDeleter {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
using UniqueCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

}  // namespace rt
