// GetPictureData: the board's drawing, at its own size or another, as BMP file bytes.
#include <algorithm>
#include <cstdint>

#include "controls/board/bmp_file.h"
#include "controls/board/board_unit.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

constexpr int64_t kLeastPercent = 10;

// Omitted or 0: the board's own extent; -p: p percent of it (at least 10 %); else the value.
int64_t RequestedExtent(const MaybeInt& requested, LONG own)
{
    int64_t value = requested.value_or(0);
    if (value == 0) {
        return own;
    }
    if (value < 0) {
        return own * std::max(-value, kLeastPercent) / 100;
    }
    return value;
}

OwnedByteSet BmpFileOf(BoardBitmap& bitmap)
{
    BoardBitmap::Released released(bitmap);
    return BmpFileOfBitmap(released.get(), bitmap.size());
}

}  // namespace

OwnedByteSet BoardUnit::pictureData(MaybeInt width, MaybeInt height)
{
    SIZE own = clientSize();
    int64_t wantedWidth = RequestedExtent(width, own.cx);
    int64_t wantedHeight = RequestedExtent(height, own.cy);
    if (wantedWidth <= 0 || wantedHeight <= 0 || wantedWidth > INT32_MAX || wantedHeight > INT32_MAX) {
        return {};
    }
    SIZE size{static_cast<LONG>(wantedWidth), static_cast<LONG>(wantedHeight)};
    // Without an off-screen bitmap, what the screen shows of the client area is what is taken.
    std::unique_ptr<BoardBitmap> capture;
    BoardBitmap* source = bitmap_.get();
    if (!source) {
        capture = BoardBitmap::Create(handle_, own);
        WindowDc window(handle_);
        if (!capture || !window.get()) {
            return {};
        }
        BitBlt(capture->dc(), 0, 0, own.cx, own.cy, window.get(), 0, 0, SRCCOPY);
        source = capture.get();
    }
    SIZE held = source->size();
    if (size.cx == held.cx && size.cy == held.cy) {
        return BmpFileOf(*source);
    }
    std::unique_ptr<BoardBitmap> stretched = BoardBitmap::Create(handle_, size);
    if (!stretched) {
        return {};
    }
    SetStretchBltMode(stretched->dc(), DisplayStretchMode());
    SetBrushOrgEx(stretched->dc(), 0, 0, nullptr);
    StretchBlt(stretched->dc(), 0, 0, size.cx, size.cy, source->dc(), 0, 0, held.cx, held.cy, SRCCOPY);
    return BmpFileOf(*stretched);
}

}  // namespace rt::units
