// Clear and DrawLine.
#include <algorithm>

#include "controls/board/board_unit.h"

namespace rt::units {

void BoardUnit::clear(const ClearRequest& request)
{
    SIZE area = clientSize();
    RECT rect{0, 0, area.cx, area.cy};
    rect.left = request.x.value_or(rect.left);
    rect.top = request.y.value_or(rect.top);
    if (request.width) {
        rect.right = static_cast<LONG>(std::clamp<int64_t>(int64_t{rect.left} + *request.width, INT32_MIN, INT32_MAX));
    }
    if (request.height) {
        rect.bottom = static_cast<LONG>(std::clamp<int64_t>(int64_t{rect.top} + *request.height, INT32_MIN, INT32_MAX));
    }
    RECT normalised{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                    std::max(rect.top, rect.bottom)};
    forEachTarget([&](HDC dc) {
        int saved = SaveDC(dc);
        IntersectClipRect(dc, normalised.left, normalised.top, normalised.right, normalised.bottom);
        paintBackground(dc, area);
        RestoreDC(dc, saved);
    });
}

void BoardUnit::drawLine(POINT from, POINT to)
{
    DrawingSetup setup = drawingSetup();
    forEachTarget([&](HDC dc) {
        PreparedContext prepared(dc, setup);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    });
}

}  // namespace rt::units
