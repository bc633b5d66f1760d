#include "controls/board/board_bitmap.h"

#include <algorithm>

namespace rt::units {

std::unique_ptr<BoardBitmap> BoardBitmap::Create(HWND window, SIZE size)
{
    size.cx = std::max<LONG>(size.cx, 1);
    size.cy = std::max<LONG>(size.cy, 1);
    WindowDc client(window);
    if (!client.get()) {
        return nullptr;
    }
    UniqueBitmap bitmap(CreateCompatibleBitmap(client.get(), size.cx, size.cy));
    if (!bitmap) {
        return nullptr;
    }
    auto board = std::make_unique<BoardBitmap>(client.get(), std::move(bitmap), size);
    if (!board->dc()) {
        return nullptr;
    }
    return board;
}

BoardBitmap::BoardBitmap(HDC compatibleWith, UniqueBitmap bitmap, SIZE size)
    : dc_(compatibleWith), bitmap_(std::move(bitmap)), selection_(dc_.get(), bitmap_.get()), size_(size)
{
}

BoardBitmap::Released::Released(BoardBitmap& owner) : owner_(owner)
{
    SelectObject(owner_.dc(), owner_.selection_.previous());
}

BoardBitmap::Released::~Released() { SelectObject(owner_.dc(), owner_.bitmap_.get()); }

}  // namespace rt::units
