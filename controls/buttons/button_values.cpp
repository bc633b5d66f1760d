#include "controls/buttons/button_values.h"

#include <algorithm>
#include <array>

namespace rt {

PropertyValue NumberValue(int32_t number)
{
    PropertyValue value;
    value.number = number;
    return value;
}

PropertyValue TextValue(const std::string& text)
{
    PropertyValue value;
    value.text = text;
    return value;
}

PropertyValue BytesValue(const std::vector<uint8_t>& bytes)
{
    PropertyValue value;
    value.bytes = bytes;
    return value;
}

PropertyValue FontValue(const std::optional<FontDescription>& font)
{
    PropertyValue value;
    if (font) {
        std::array<uint8_t, kFontDescriptionSize> bytes = EncodeFont(*font);
        value.bytes.assign(bytes.begin(), bytes.end());
    }
    return value;
}

std::optional<FontDescription> FontOf(const PropertyValue& value)
{
    if (value.bytes.size() != kFontDescriptionSize) {
        return std::nullopt;
    }
    return DecodeFont(value.bytes.data());
}

int32_t ClampPick(int32_t value, int32_t last) { return std::clamp(value, 0, last); }

DWORD HorizontalAlignStyle(int32_t align)
{
    constexpr DWORD kStyles[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    return kStyles[ClampPick(align, 2)];
}

DWORD VerticalAlignStyle(int32_t align)
{
    constexpr DWORD kStyles[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    return kStyles[ClampPick(align, 2)];
}

}  // namespace rt
