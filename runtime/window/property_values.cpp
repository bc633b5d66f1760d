#include "runtime/window/property_values.h"

#include <windows.h>

#include <cstring>

#include "runtime/unit_options/font_description.h"
#include "runtime/owned_values.h"
#include "runtime/values.h"
#include "runtime/win32/screen_dpi.h"

namespace rt {
namespace {

enum FontMember : int {
    kFontEscapement = 0,
    kFontBold,
    kFontItalic,
    kFontUnderline,
    kFontStrikeOut,
    kFontPoints,
    kFontFaceName,
};

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr int kEscapementModulus = 3600;
constexpr size_t kMaxFaceName = 31;
constexpr const char* kDefaultFaceName = "宋体";

// The unit's current font; no stored font means the default GUI font.
FontDescription CurrentFont(const PropertyValue& current)
{
    if (current.bytes.size() == kFontDescriptionSize) {
        return DecodeFont(current.bytes.data());
    }
    LOGFONTA font{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    std::array<uint8_t, kFontDescriptionSize> bytes;
    std::memcpy(bytes.data(), &font, kFontDescriptionSize);
    return DecodeFont(bytes.data());
}

std::vector<uint8_t> FontWithMember(int member, uintptr_t low, const PropertyValue& current)
{
    FontDescription font = CurrentFont(current);
    int32_t number = static_cast<int32_t>(low);
    switch (member) {
    case kFontEscapement:
        font.Escapement = number % kEscapementModulus;
        font.Orientation = font.Escapement;
        break;
    case kFontBold:
        font.Weight = number ? kBoldWeight : kNormalWeight;
        break;
    case kFontItalic:
        font.Italic = number ? 1 : 0;
        break;
    case kFontUnderline:
        font.Underline = number ? 1 : 0;
        break;
    case kFontStrikeOut:
        font.StrikeOut = number ? 1 : 0;
        break;
    case kFontPoints:
        font.Height = -MulDiv(number, ScreenPixelsPerInch(), 72);
        break;
    case kFontFaceName: {
        std::string name = TextAt(low);
        font.setFaceName(name.empty() || name.size() > kMaxFaceName ? kDefaultFaceName : name);
        break;
    }
    default:
        break;
    }
    std::array<uint8_t, kFontDescriptionSize> bytes = EncodeFont(font);
    return {bytes.begin(), bytes.end()};
}

}  // namespace

std::string TextAt(uintptr_t pointer)
{
    const char* text = reinterpret_cast<const char*>(pointer);
    return text ? std::string(text) : std::string();
}

std::vector<uint8_t> ByteSetAt(uintptr_t pointer)
{
    const void* byteSet = reinterpret_cast<const void*>(pointer);
    size_t size = ByteSetSize(byteSet);
    const uint8_t* data = ByteSetData(byteSet);
    return data && size > 0 ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>();
}

PropertyValue PrepareWrittenValue(PropertyType type, int subIndex, uintptr_t low, const PropertyValue& current)
{
    PropertyValue value;
    switch (type) {
    case PropertyType::kInt:
        value.number = static_cast<int32_t>(low);
        break;
    case PropertyType::kLogical:
        value.number = static_cast<uint32_t>(low) != 0 ? 1 : 0;
        break;
    case PropertyType::kText:
        value.text = TextAt(low);
        break;
    case PropertyType::kByteSet:
        value.bytes = ByteSetAt(low);
        break;
    case PropertyType::kFont:
        value.bytes = subIndex < 0 ? ByteSetAt(low) : FontWithMember(subIndex, low, current);
        if (!value.bytes.empty() && value.bytes.size() != kFontDescriptionSize) {
            value.bytes.clear();
        }
        break;
    }
    return value;
}

int64_t ReadResultOf(PropertyType type, const PropertyValue& value)
{
    switch (type) {
    case PropertyType::kText:
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(NewText(value.text)));
    case PropertyType::kByteSet:
    case PropertyType::kFont:
        return static_cast<int64_t>(reinterpret_cast<uintptr_t>(NewByteSet(value.bytes.data(), value.bytes.size())));
    case PropertyType::kLogical:
        return value.number != 0 ? 1 : 0;
    case PropertyType::kInt:
        return value.number;
    }
    return 0;
}

}  // namespace rt
