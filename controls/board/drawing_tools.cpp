#include "controls/board/drawing_tools.h"

#include <array>
#include <cstdlib>
#include <cstring>

#include "controls/board/pattern_bitmaps.h"
#include "runtime/win32/screen_dpi.h"

namespace rt::units {
namespace {

constexpr int kPatternStyleOfTypeZero = 8;

// Units per inch of coordinate units 1-5: 0.1 mm, 0.01 mm, 0.01 inch, 0.001 inch, twip.
constexpr std::array<double, 5> kUnitsPerInch = {253.8071065989848, 2538.0710659898477, 100, 1000, 1440};

FontDescription DefaultGuiFontDescription()
{
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    std::array<uint8_t, kFontDescriptionSize> bytes{};
    std::memcpy(bytes.data(), &font, kFontDescriptionSize);
    return DecodeFont(bytes.data());
}

// One-bit rows padded to 16 bits, as CreateBitmap takes them. Pattern brushes paint 0 bits in the
// text colour, so the set bits of the pattern become 0 bits.
UniqueBitmap PatternBitmap(const PatternRows& rows)
{
    std::array<uint8_t, 16> bits{};
    for (size_t row = 0; row < rows.size(); ++row) {
        bits[2 * row] = static_cast<uint8_t>(~rows[row]);
    }
    return UniqueBitmap(CreateBitmap(8, 8, 1, 1, bits.data()));
}

}  // namespace

UniquePen CreateBoardPen(int32_t type, int32_t width, COLORREF colour)
{
    static constexpr std::array<int, 7> kStyles = {kPatternStyleOfTypeZero, PS_SOLID,      PS_DASH, PS_DOT, PS_DASHDOT,
                                                   PS_DASHDOTDOT,           PS_INSIDEFRAME};
    if (type < 0 || type >= static_cast<int32_t>(kStyles.size())) {
        return nullptr;
    }
    return UniquePen(CreatePen(kStyles[type], type == 0 ? 0 : width, colour));
}

BoardBrush CreateBoardBrush(int32_t type, COLORREF colour)
{
    static constexpr std::array<int, 6> kHatches = {HS_BDIAGONAL, HS_CROSS,      HS_DIAGCROSS,
                                                    HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL};
    BoardBrush made;
    if (type == 0) {
        LOGBRUSH hollow{BS_NULL, 0, 0};
        made.brush.reset(CreateBrushIndirect(&hollow));
    } else if (type == 1) {
        made.brush.reset(CreateSolidBrush(colour));
    } else if (type >= 2 && type < 2 + static_cast<int32_t>(kHatches.size())) {
        made.brush.reset(CreateHatchBrush(kHatches[type - 2], colour));
    } else if (type >= kFirstPatternBrush && type < kFirstPatternBrush + kPatternCount) {
        made.pattern = PatternBitmap(BrushPatterns()[type - kFirstPatternBrush]);
        if (made.pattern) {
            made.brush.reset(CreatePatternBrush(made.pattern.get()));
        }
    }
    return made;
}

int32_t FontHeightInUnit(int32_t pixelHeight, int32_t coordinateUnit, int pixelsPerInch)
{
    if (coordinateUnit < 1 || coordinateUnit > 5 || pixelsPerInch <= 0) {
        return pixelHeight;
    }
    double magnitude = std::abs(static_cast<double>(pixelHeight));
    return -static_cast<int32_t>(magnitude / pixelsPerInch * kUnitsPerInch[coordinateUnit - 1]);
}

UniqueFont CreateBoardFont(const std::optional<FontDescription>& font, int32_t coordinateUnit)
{
    if (coordinateUnit == 0) {
        return CreateUnitFont(font);
    }
    FontDescription description = font ? *font : DefaultGuiFontDescription();
    description.Height = FontHeightInUnit(description.Height, coordinateUnit, ScreenPixelsPerInch());
    return CreateUnitFont(description);
}

}  // namespace rt::units
