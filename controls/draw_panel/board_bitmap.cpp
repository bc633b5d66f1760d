#include "controls/draw_panel/board_bitmap.h"

#include <algorithm>

namespace rt {

std::unique_ptr<BoardBitmap> BoardBitmap::Create(HWND window, SIZE size)
{
    size.cx = std::max<LONG>(size.cx, 1);
    size.cy = std::max<LONG>(size.cy, 1);
    WindowDc client(window);
    if (!client.get()) {
        return nullptr;
    }
    UniqueBitmap bitmap(CreateCompatibleBitmap(client.get(), size.cx, size.cy));
    HDC dc = bitmap ? CreateCompatibleDC(client.get()) : nullptr;
    if (!dc) {
        return nullptr;
    }
    return std::make_unique<BoardBitmap>(dc, std::move(bitmap), size);
}

BoardBitmap::BoardBitmap(HDC dc, UniqueBitmap bitmap, SIZE size)
    : dc_(dc), bitmap_(std::move(bitmap)), previous_(SelectObject(dc, bitmap_.get())), size_(size)
{
}

BoardBitmap::~BoardBitmap()
{
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

BoardBitmap::Released::Released(BoardBitmap& owner) : owner_(owner) { SelectObject(owner_.dc_, owner_.previous_); }

BoardBitmap::Released::~Released() { SelectObject(owner_.dc_, owner_.bitmap_.get()); }

}  // namespace rt
