#include "controls/label/label_painting.h"

#include <vector>

#include "controls/common/unit_look.h"
#include "controls/label/label_gradient.h"
#include "controls/label/label_properties.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/window/window_look.h"

namespace rt::units {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

enum LabelEffect : int { kPlain = 0, kRaised = 1, kEngraved = 2, kShadowed = 3 };

std::vector<COLORREF> FrameColours(const LabelOptions& options)
{
    return UsedColours(options.FrameColour1, options.FrameColour2, options.FrameColour3);
}

bool HasGradientFrame(const LabelOptions& options)
{
    return options.Border == kLabelGradientFrameBorder && options.FrameWidth > 0 && FrameColours(options).size() >= 2;
}

void FillColour(HDC dc, const RECT& area, uint32_t colour)
{
    UniqueBrush brush(CreateSolidBrush(EffectiveBackColour(colour)));
    FillRect(dc, &area, brush.get());
}

void PaintBackground(HDC dc, const RECT& area, const LabelLook& look)
{
    const LabelOptions& options = look.options;
    std::vector<COLORREF> gradient =
        UsedColours(options.GradientColour1, options.GradientColour2, options.GradientColour3);
    bool gradientMode = options.GradientMode >= kFirstGradientMode && options.GradientMode <= kLastGradientMode;
    if (!look.backPicture && gradientMode && gradient.size() >= 2) {
        PaintGradient(dc, area, options.GradientMode, gradient);
        return;
    }
    FillColour(dc, area, options.BackColour);
    if (look.backPicture) {
        DrawBackPicture(dc, area, options.BackPictureMode, look.backPicture, HALFTONE);
    }
}

UINT TextFormat(const LabelOptions& options)
{
    UINT format = DT_NOCLIP;
    if (options.HorizontalAlign == 1) {
        format |= DT_CENTER;
    } else if (options.HorizontalAlign == 2) {
        format |= DT_RIGHT;
    }
    if (options.WordWrap) {
        return format | DT_WORDBREAK | DT_VCENTER;
    }
    format |= DT_SINGLELINE;
    if (options.VerticalAlign == 1) {
        format |= DT_VCENTER;
    } else if (options.VerticalAlign == 2) {
        format |= DT_BOTTOM;
    }
    return format;
}

void DrawTextAt(HDC dc, const std::wstring& text, RECT area, int offset, COLORREF colour, UINT format)
{
    OffsetRect(&area, offset, offset);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

void PaintText(HDC dc, const RECT& area, const LabelLook& look)
{
    if (look.text.empty()) {
        return;
    }
    const LabelOptions& options = look.options;
    ScopedSelection font(dc, look.font);
    int previousMode = SetBkMode(dc, TRANSPARENT);
    UINT format = TextFormat(options);
    auto colour = static_cast<COLORREF>(options.TextColour & 0x00ffffff);
    switch (options.Effect) {
    case kRaised:
        DrawTextAt(dc, look.text, area, 1, kWhite, format);
        DrawTextAt(dc, look.text, area, 0, colour, format);
        break;
    case kEngraved:
        DrawTextAt(dc, look.text, area, 0, kWhite, format);
        DrawTextAt(dc, look.text, area, 1, colour, format);
        break;
    case kShadowed:
        DrawTextAt(dc, look.text, area, 2, kBlack, format);
        DrawTextAt(dc, look.text, area, 0, colour, format);
        break;
    default:
        DrawTextAt(dc, look.text, area, 0, colour, format);
        break;
    }
    SetBkMode(dc, previousMode);
}

}  // namespace

RECT LabelTextArea(const RECT& client, const LabelOptions& options)
{
    RECT area = client;
    if (HasGradientFrame(options)) {
        InflateRect(&area, -options.FrameWidth, -options.FrameWidth);
        if (area.right < area.left) {
            area.right = area.left;
        }
        if (area.bottom < area.top) {
            area.bottom = area.top;
        }
    }
    return area;
}

void PaintLabel(HDC dc, const RECT& client, const LabelLook& look)
{
    if (HasGradientFrame(look.options)) {
        PaintGradientFrame(dc, client, look.options.FrameWidth, FrameColours(look.options));
    }
    RECT area = LabelTextArea(client, look.options);
    PaintBackground(dc, area, look);
    PaintText(dc, area, look);
}

}  // namespace rt::units
