// Where a board draws: its drawing area, its background, its off-screen bitmap and the contexts
// every drawing method reaches.
#include <algorithm>

#include "controls/board/board_background.h"
#include "controls/board/board_unit.h"
#include "runtime/win32/owned_handles.h"

namespace rt::units {
namespace {

constexpr int32_t kFittedPicture = 2;

}  // namespace

SIZE BoardUnit::clientSize() const
{
    RECT client{};
    GetClientRect(handle_, &client);
    return {client.right - client.left, client.bottom - client.top};
}

SIZE BoardUnit::sizeInUnits(SIZE pixels) const
{
    return UnitConverter(handle_, options_.CoordinateUnit).toUnits(pixels);
}

void BoardUnit::paintBackground(HDC dc, SIZE area)
{
    PaintBoardBackground(dc, area, backColour(), backPicture(), options_.BackPictureMode);
}

void BoardUnit::rebuildBitmap(bool keepContents)
{
    if (!options_.AutoRedraw || !handle_) {
        return;
    }
    std::unique_ptr<BoardBitmap> fresh = BoardBitmap::Create(handle_, clientSize());
    if (fresh) {
        paintBackground(fresh->dc(), fresh->size());
        bool fitted = !options_.BackPicture.empty() && options_.BackPictureMode == kFittedPicture;
        if (keepContents && bitmap_ && !fitted) {
            SIZE old = bitmap_->size();
            SIZE now = fresh->size();
            BitBlt(fresh->dc(), 0, 0, std::min(old.cx, now.cx), std::min(old.cy, now.cy), bitmap_->dc(), 0, 0, SRCCOPY);
        }
    }
    bitmap_ = std::move(fresh);
}

void BoardUnit::onWindowContext(const std::function<void(HDC)>& draw)
{
    if (paintDc_) {
        draw(paintDc_);
        return;
    }
    // A hidden board shows nothing of what is drawn on its window: once shown, it paints from its
    // bitmap, or asks for its drawing through event 0. The split's scratch boards are hidden and
    // take whole pictures.
    if (!IsWindowVisible(handle_)) {
        return;
    }
    WindowDc window(handle_);
    if (window.get()) {
        draw(window.get());
    }
}

void BoardUnit::forEachTarget(const std::function<void(HDC)>& draw)
{
    if (bitmap_) {
        draw(bitmap_->dc());
    }
    onWindowContext(draw);
}

}  // namespace rt::units
