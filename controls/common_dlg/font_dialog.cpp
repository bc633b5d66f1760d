#include "controls/common_dlg/font_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "controls/common_dlg/dialog_rules.h"
#include "runtime/text_codec.h"
#include "runtime/win32/screen_dpi.h"

namespace rt::units {
namespace {

constexpr LONG kBoldWeight = FW_BOLD;

}  // namespace

LOGFONTW InitialDialogFont(const CommonDlgOptions& options, int32_t pixelsPerInch)
{
    LOGFONTW font{};
    font.lfWeight = options.FontBold ? kBoldWeight : FW_NORMAL;
    font.lfItalic = options.FontItalic ? TRUE : FALSE;
    font.lfUnderline = options.FontUnderline ? TRUE : FALSE;
    font.lfStrikeOut = options.FontStrikeOut ? TRUE : FALSE;
    if (!options.FontName.empty()) {
        const std::wstring face = WideFromGbk(options.FontName);
        std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
    }
    if (options.FontSize != 0) {
        font.lfHeight = FontHeightForPoints(options.FontSize, pixelsPerInch);
    }
    return font;
}

void TakeChosenFont(CommonDlgOptions& options, const LOGFONTW& font, COLORREF colour, int32_t pixelsPerInch)
{
    options.FontColour = colour;
    options.FontBold = font.lfWeight >= kBoldWeight;
    options.FontItalic = font.lfItalic != 0;
    options.FontUnderline = font.lfUnderline != 0;
    options.FontStrikeOut = font.lfStrikeOut != 0;
    options.FontName = GbkFromWide(std::wstring_view(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
    options.FontSize = FontPointsForHeight(font.lfHeight, pixelsPerInch);
}

bool ShowFontDialog(HWND owner, CommonDlgOptions& options)
{
    const int32_t perInch = ScreenPixelsPerInch();
    LOGFONTW font = InitialDialogFont(options, perInch);
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    dialog.rgbColors = options.FontColour;
    if (!ChooseFontW(&dialog)) {
        return false;
    }
    TakeChosenFont(options, font, dialog.rgbColors, perInch);
    return true;
}

}  // namespace rt::units
