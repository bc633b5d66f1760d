#include "controls/label/label_properties.h"

#include <algorithm>

#include "controls/common/unit_property_value.h"

namespace rt::units {
namespace {

// The field a number names, from options or const options alike; null for another kind of field.
template <class Options>
auto ColourField(Options& options, int number) -> decltype(&options.TextColour)
{
    switch (number) {
    case kLabelFrameColour1:
        return &options.FrameColour1;
    case kLabelFrameColour2:
        return &options.FrameColour2;
    case kLabelFrameColour3:
        return &options.FrameColour3;
    case kLabelTextColour:
        return &options.TextColour;
    case kLabelBackColour:
        return &options.BackColour;
    case kLabelGradientColour1:
        return &options.GradientColour1;
    case kLabelGradientColour2:
        return &options.GradientColour2;
    case kLabelGradientColour3:
        return &options.GradientColour3;
    default:
        return nullptr;
    }
}

template <class Options>
auto PickField(Options& options, int number) -> decltype(&options.Effect)
{
    switch (number) {
    case kLabelEffect:
        return &options.Effect;
    case kLabelBorder:
        return &options.Border;
    case kLabelFrameWidth:
        return &options.FrameWidth;
    case kLabelBackPictureMode:
        return &options.BackPictureMode;
    case kLabelGradientMode:
        return &options.GradientMode;
    case kLabelHorizontalAlign:
        return &options.HorizontalAlign;
    case kLabelVerticalAlign:
        return &options.VerticalAlign;
    default:
        return nullptr;
    }
}

template <class Options>
auto TextField(Options& options, int number) -> decltype(&options.Caption)
{
    switch (number) {
    case kLabelCaption:
        return &options.Caption;
    case kLabelDataSource:
        return &options.DataSource;
    case kLabelDataColumn:
        return &options.DataColumn;
    default:
        return nullptr;
    }
}

}  // namespace

const PropertyDescription kLabelProperties[kLabelPropertyCount] = {
    {"Caption", PropertyType::kText},        {"Effect", PropertyType::kInt},
    {"Border", PropertyType::kInt},          {"FrameWidth", PropertyType::kInt},
    {"FrameColour1", PropertyType::kInt},    {"FrameColour2", PropertyType::kInt},
    {"FrameColour3", PropertyType::kInt},    {"Font", PropertyType::kFont},
    {"TextColour", PropertyType::kInt},      {"BackColour", PropertyType::kInt},
    {"BackPicture", PropertyType::kByteSet}, {"BackPictureMode", PropertyType::kInt},
    {"GradientMode", PropertyType::kInt},    {"GradientColour1", PropertyType::kInt},
    {"GradientColour2", PropertyType::kInt}, {"GradientColour3", PropertyType::kInt},
    {"HorizontalAlign", PropertyType::kInt}, {"WordWrap", PropertyType::kLogical},
    {"VerticalAlign", PropertyType::kInt},   {"DataSource", PropertyType::kText},
    {"DataColumn", PropertyType::kText},
};

void ClampLabelOptions(LabelOptions& options)
{
    options.Effect = std::clamp(options.Effect, 0, 3);
    options.Border = std::clamp(options.Border, 0, kLabelGradientFrameBorder);
    options.FrameWidth = std::max(options.FrameWidth, kLabelMinFrameWidth);
    options.BackPictureMode = std::clamp(options.BackPictureMode, 0, 2);
    options.GradientMode = std::clamp(options.GradientMode, 0, 8);
    options.HorizontalAlign = std::clamp(options.HorizontalAlign, 0, 2);
    options.VerticalAlign = std::clamp(options.VerticalAlign, 0, 2);
}

void SetLabelProperty(LabelOptions& options, int number, const PropertyValue& value)
{
    if (uint32_t* colour = ColourField(options, number)) {
        *colour = static_cast<uint32_t>(value.number);
    } else if (int32_t* pick = PickField(options, number)) {
        *pick = value.number;
        ClampLabelOptions(options);
    } else if (std::string* text = TextField(options, number)) {
        *text = value.text;
    } else if (number == kLabelFont) {
        options.Font = FontOf(value);
    } else if (number == kLabelBackPicture) {
        options.BackPicture = value.bytes;
    } else if (number == kLabelWordWrap) {
        options.WordWrap = value.number != 0;
    }
}

PropertyValue GetLabelProperty(const LabelOptions& options, int number)
{
    if (const uint32_t* colour = ColourField(options, number)) {
        return NumberValue(static_cast<int32_t>(*colour));
    }
    if (const int32_t* pick = PickField(options, number)) {
        return NumberValue(*pick);
    }
    if (const std::string* text = TextField(options, number)) {
        return TextValue(*text);
    }
    if (number == kLabelFont) {
        return FontValue(options.Font);
    }
    if (number == kLabelWordWrap) {
        return NumberValue(options.WordWrap ? 1 : 0);
    }
    PropertyValue value;
    if (number == kLabelBackPicture) {
        value.bytes = options.BackPicture;
    }
    return value;
}

}  // namespace rt::units
