// Group boxes, the same in every scheme: a light frame with rounded corners whose top edge runs
// through the middle of the caption, the line cleared behind the caption.
#include <string>

#include "commands/control_skin/button_caption.h"
#include "commands/control_skin/painters.h"
#include "commands/control_skin/skin_drawing.h"

namespace rt::commands::skin {
namespace {

constexpr COLORREF kFrame = RGB(191, 184, 191);
constexpr int kMaxCaption = 256;
constexpr LONG kLeftCaption = 9;
constexpr LONG kRightCaptionGap = 10;

std::wstring Caption(HWND window)
{
    wchar_t text[kMaxCaption + 1] = {};
    int length = GetWindowTextW(window, text, kMaxCaption + 1);
    return std::wstring(text, static_cast<size_t>(length > 0 ? length : 0));
}

// The caption's size, or (0, line height) without one.
SIZE CaptionSize(HDC dc, const std::wstring& caption)
{
    if (caption.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return SIZE{0, metrics.tmHeight};
    }
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{measured.right - measured.left, measured.bottom - measured.top};
}

// Three pixels of each corner go to the background; the one diagonally inside joins the edges.
void RoundCorners(HDC dc, const RECT& frame, COLORREF back)
{
    const LONG xs[2] = {frame.left, frame.right - 1};
    const LONG ys[2] = {frame.top, frame.bottom - 1};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            const LONG x = xs[i];
            const LONG y = ys[j];
            const LONG inX = i == 0 ? 1 : -1;
            const LONG inY = j == 0 ? 1 : -1;
            SetPixelColour(dc, x, y, back);
            SetPixelColour(dc, x + inX, y, back);
            SetPixelColour(dc, x, y + inY, back);
            SetPixelColour(dc, x + inX, y + inY, kFrame);
        }
    }
}

struct CaptionPlace {
    LONG textLeft;
    // The stretch of the frame line cleared behind the caption.
    LONG clearLeft;
    LONG clearRight;
};

CaptionPlace PlaceCaption(const RECT& client, LONG_PTR style, LONG width)
{
    switch (style & BS_CENTER) {
    case BS_CENTER: {
        LONG left = client.left + (client.right - client.left - width) / 2;
        return CaptionPlace{left, left - 5, left + width + 5};
    }
    case BS_RIGHT: {
        LONG left = client.right - kRightCaptionGap - width;
        return CaptionPlace{left, left, left + width};
    }
    default: {
        LONG left = client.left + kLeftCaption;
        return CaptionPlace{left, client.left + kLeftCaption - 1, left + width + 1};
    }
    }
}

}  // namespace

void PaintGroupBox(const SkinRecord& record, PaintSurface& surface)
{
    HDC dc = surface.dc();
    const RECT client = surface.clientArea();
    FillColour(dc, client, record.backColour);
    ScopedSelection font(dc, ControlFont(record.window));
    const std::wstring caption = Caption(record.window);
    const SIZE size = CaptionSize(dc, caption);
    const RECT frame{client.left, client.top + size.cy / 2, client.right, client.bottom};
    FrameColour(dc, frame, kFrame);
    RoundCorners(dc, frame, record.backColour);
    if (!caption.empty()) {
        CaptionPlace place = PlaceCaption(client, GetWindowLongPtrW(record.window, GWL_STYLE), size.cx);
        FillColour(dc, RECT{place.clearLeft, frame.top, place.clearRight, frame.top + 1}, record.backColour);
        RECT text{place.textLeft, client.top, place.textLeft + size.cx, client.top + size.cy};
        SetTextColor(dc, record.textColour);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_NOCLIP);
    }
    surface.copyToWindow(client);
}

}  // namespace rt::commands::skin
