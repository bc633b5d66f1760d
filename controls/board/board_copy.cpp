// Copy: a rectangle of this board's drawing transferred, unscaled, to a point of a target board.
//
// Only the part of the rectangle inside the source's drawing area is transferred, each pixel to
// where it would go with the whole rectangle; target pixels facing the outside part are left as
// they are. So a cell reaching past the source's right or bottom edge, copied into a board just
// cleared, shows the cleared background there, never whatever lies outside the source.
#include <algorithm>
#include <cstdint>

#include "controls/board/board_unit.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

// A run of pixel columns or rows, in 64 bits so that no point plus size overflows.
struct Span {
    int64_t from;
    int64_t to;
};

// The part of [start, start + length) inside [0, limit); empty when there is none.
Span Inside(int32_t start, int32_t length, LONG limit)
{
    int64_t from = std::max<int64_t>(start, 0);
    int64_t to = std::min<int64_t>(int64_t{start} + length, limit);
    return {from, to};
}

}  // namespace

void BoardUnit::copyTo(BoardUnit& target, const CopyRequest& request)
{
    SIZE area = clientSize();
    UnitConverter converter(handle_, options_.CoordinateUnit);
    POINT from = converter.toPixels(POINT{request.x.value_or(0), request.y.value_or(0)});
    SIZE size = area;
    if (request.width) {
        size.cx = converter.toPixels(SIZE{*request.width, 0}).cx;
    }
    if (request.height) {
        size.cy = converter.toPixels(SIZE{0, *request.height}).cy;
    }
    if (size.cx <= 0 || size.cy <= 0) {
        return;
    }
    Span columns = Inside(from.x, size.cx, area.cx);
    Span rows = Inside(from.y, size.cy, area.cy);
    if (columns.from >= columns.to || rows.from >= rows.to) {
        return;
    }
    POINT to = UnitConverter(target.handle_, target.options_.CoordinateUnit)
                   .toPixels(POINT{request.targetX.value_or(0), request.targetY.value_or(0)});
    auto toX = static_cast<int>(to.x + (columns.from - from.x));
    auto toY = static_cast<int>(to.y + (rows.from - from.y));
    auto width = static_cast<int>(columns.to - columns.from);
    auto height = static_cast<int>(rows.to - rows.from);
    DWORD operation = CopyModeRasterOperation(request.copyMode.value_or(1));

    // The window first: when the source is the target's own bitmap, the window still gets the
    // pixels from before the transfer changes it.
    auto transfer = [&](HDC source) {
        auto put = [&](HDC dc) {
            BitBlt(dc, toX, toY, width, height, source, static_cast<int>(columns.from), static_cast<int>(rows.from),
                   operation);
        };
        target.onWindowContext(put);
        if (target.bitmap_) {
            put(target.bitmap_->dc());
        }
    };
    if (bitmap_) {
        transfer(bitmap_->dc());
        return;
    }
    WindowDc window(handle_);
    if (window.get()) {
        transfer(window.get());
    }
}

}  // namespace rt::units
