#include "controls/common/unit_property_value.h"

#include <array>
#include <utility>

namespace rt::units {

PropertyValue NumberValue(int32_t number)
{
    PropertyValue value;
    value.number = number;
    return value;
}

PropertyValue TextValue(std::string text)
{
    PropertyValue value;
    value.text = std::move(text);
    return value;
}

PropertyValue BytesValue(std::vector<uint8_t> bytes)
{
    PropertyValue value;
    value.bytes = std::move(bytes);
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

}  // namespace rt::units
