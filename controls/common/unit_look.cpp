#include "controls/common/unit_look.h"

#include <algorithm>
#include <string>

#include "runtime/text_codec.h"

namespace rt::units {

COLORREF EffectiveBackColour(uint32_t colour)
{
    return colour == kDefaultBackColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(colour);
}

BorderStyles BorderStylesOf(int32_t border)
{
    switch (border) {
    case 1:
        return {0, WS_EX_CLIENTEDGE};
    case 2:
        return {0, WS_EX_DLGMODALFRAME};
    case 3:
        return {0, WS_EX_STATICEDGE};
    case 4:
        return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5:
        return {WS_BORDER, 0};
    default:
        return {};
    }
}

void ApplyBorder(HWND control, int32_t border)
{
    BorderStyles styles = BorderStylesOf(border);
    LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    LONG_PTR extended = GetWindowLongPtrW(control, GWL_EXSTYLE) &
                        ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE);
    SetWindowLongPtrW(control, GWL_STYLE, style | styles.style);
    SetWindowLongPtrW(control, GWL_EXSTYLE, extended | styles.extendedStyle);
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UniqueFont CreateUnitFont(const std::optional<FontDescription>& font)
{
    if (!font) {
        return nullptr;
    }
    // The face name is GBK: converted here, so it is right whatever the system code page.
    LOGFONTW description{};
    description.lfHeight = font->Height;
    description.lfWidth = font->Width;
    description.lfEscapement = font->Escapement;
    description.lfOrientation = font->Orientation;
    description.lfWeight = font->Weight;
    description.lfItalic = font->Italic;
    description.lfUnderline = font->Underline;
    description.lfStrikeOut = font->StrikeOut;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = font->ClipPrecision;
    description.lfQuality = font->Quality;
    description.lfPitchAndFamily = font->PitchAndFamily;
    std::wstring face = WideFromGbk(font->faceName());
    face.resize(std::min<size_t>(face.size(), LF_FACESIZE - 1));
    std::copy(face.begin(), face.end(), description.lfFaceName);
    return UniqueFont(CreateFontIndirectW(&description));
}

HFONT FontOrDefault(const UniqueFont& font)
{
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HBRUSH BackgroundBrush::get(COLORREF colour)
{
    if (!brush_ || colour != colour_) {
        brush_.reset(CreateSolidBrush(colour));
        colour_ = colour;
    }
    return brush_.get();
}

}  // namespace rt::units
