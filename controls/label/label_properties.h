// The Label's own properties by number (index - 8), read from and written into its options with
// the clamps a write applies.
#pragma once

#include "runtime/unit_options/label_options.h"
#include "runtime/window/unit_kind.h"

namespace rt::units {

enum LabelProperty : int {
    kLabelCaption = 0,
    kLabelEffect,
    kLabelBorder,
    kLabelFrameWidth,
    kLabelFrameColour1,
    kLabelFrameColour2,
    kLabelFrameColour3,
    kLabelFont,
    kLabelTextColour,
    kLabelBackColour,
    kLabelBackPicture,
    kLabelBackPictureMode,
    kLabelGradientMode,
    kLabelGradientColour1,
    kLabelGradientColour2,
    kLabelGradientColour3,
    kLabelHorizontalAlign,
    kLabelWordWrap,
    kLabelVerticalAlign,
    kLabelDataSource,
    kLabelDataColumn,
    kLabelPropertyCount
};

inline constexpr int kLabelGradientFrameBorder = 6;
inline constexpr int kLabelMinFrameWidth = 5;

extern const PropertyDescription kLabelProperties[kLabelPropertyCount];

// Pick values held to their ranges and FrameWidth to at least 5, as a write leaves them.
void ClampLabelOptions(LabelOptions& options);

// Stores a written value (clamped); an unknown number changes nothing.
void SetLabelProperty(LabelOptions& options, int number, const PropertyValue& value);
PropertyValue GetLabelProperty(const LabelOptions& options, int number);

}  // namespace rt::units
