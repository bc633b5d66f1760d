// The board's window: its class, creation, window procedure and painting.
#include <memory>
#include <optional>

#include "runtime/window/own_class_unit.h"
#include "controls/board/board_unit.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/runtime_service.h"
#include "runtime/window/events.h"
#include "runtime/window/unit_reflection.h"

namespace rt::units {
namespace {

constexpr wchar_t kBoardClass[] = L"ZorviBoard";
constexpr int32_t kEventRepaint = 0;

bool RegisterBoardClass()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        windowClass.lpfnWndProc = OwnClassUnitProc<BoardUnit>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = nullptr;
        windowClass.lpszClassName = kBoardClass;
        registered = RegisterClassW(&windowClass) != 0;
    }
    return registered;
}

}  // namespace

LiveUnit* CreateBoard(const UnitCreateArgs& args)
{
    std::optional<BoardOptions> options = ReadOptions<BoardOptions>(args.propertyData, args.propertyLength);
    if (!options || !RegisterBoardClass()) {
        return nullptr;
    }
    auto unit = std::make_unique<BoardUnit>(args, std::move(*options));
    BoardUnit* created = unit.get();
    // Clipping its children keeps drawing on the board from covering a label placed inside it.
    HWND window = CreateWindowExW(0, kBoardClass, L"", args.style | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  args.left, args.top, args.width, args.height, args.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.controlId)),
                                  GetModuleHandleW(nullptr), &unit);
    if (!window) {
        return nullptr;
    }
    created->finishCreation();
    return created;
}

void BoardUnit::finishCreation()
{
    ApplyBorder(handle_, options_.Border);
    rebuildBitmap(false);
}

LRESULT BoardUnit::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A board holds other units: their notifications go back to them first.
    if (LRESULT answer = 0; ReflectToUnit(message, wParam, lParam, answer)) {
        return answer;
    }
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_ERASEBKGND:
        // WM_PAINT covers the whole invalid area, with the bitmap or the background.
        return 1;
    case WM_SIZE:
        onSize();
        return 0;
    default:
        return DefWindowProcW(handle_, message, wParam, lParam);
    }
}

void BoardUnit::onSize()
{
    if (!options_.AutoRedraw) {
        return;
    }
    // A bitmap that could not be made at the last size is tried again at this one.
    SIZE now = clientSize();
    SIZE held = bitmap_ ? bitmap_->size() : SIZE{-1, -1};
    if (now.cx != held.cx || now.cy != held.cy) {
        rebuildBitmap(true);
    }
}

void BoardUnit::onPaint()
{
    HWND window = handle_;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc) {
        return;
    }
    if (bitmap_) {
        RECT area;
        RECT extent = bitmap_->area();
        if (IntersectRect(&area, &paint.rcPaint, &extent)) {
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, bitmap_->dc(), area.left,
                   area.top, SRCCOPY);
        }
        EndPaint(window, &paint);
        return;
    }
    paintBackground(dc, clientSize());
    POINT topLeft;
    POINT bottomRight;
    {
        UnitConverter converter(window, options_.CoordinateUnit);
        topLeft = converter.toUnits(POINT{paint.rcPaint.left, paint.rcPaint.top});
        bottomRight = converter.toUnits(POINT{paint.rcPaint.right, paint.rcPaint.bottom});
    }
    HDC previous = paintDc_;
    paintDc_ = dc;
    RaiseUnitEvent(windowId(), unitId(), kEventRepaint, {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    // The handler may have destroyed the board, and this object with it.
    if (!IsWindow(window)) {
        return;
    }
    paintDc_ = previous;
    EndPaint(window, &paint);
}

}  // namespace rt::units
