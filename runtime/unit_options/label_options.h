// The Label unit's options. Versions 0 to 2; version 2 adds the data-binding texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/unit_options/font_description.h"

namespace rt {

struct LabelOptions {
    static constexpr uint32_t kMaxVersion = 2;

    std::string Caption = "标签";
    int32_t Effect = 0;
    int32_t Border = 0;
    int32_t FrameWidth = 8;
    uint32_t FrameColour1 = 0x808080;
    uint32_t FrameColour2 = 0xffffff;
    uint32_t FrameColour3 = 0x808080;
    std::optional<FontDescription> Font;
    uint32_t TextColour = 0;
    uint32_t BackColour = 0xff000000;
    std::vector<uint8_t> BackPicture;
    int32_t BackPictureMode = 1;
    int32_t GradientMode = 0;
    uint32_t GradientColour1 = 0x808080;
    uint32_t GradientColour2 = 0xffffff;
    uint32_t GradientColour3 = 0x808080;
    int32_t HorizontalAlign = 0;
    bool WordWrap = false;
    int32_t VerticalAlign = 1;
    std::string DataSource;
    std::string DataColumn;

    template <class Options, class Field>
    static void Layout(Options& o, Field& field, uint32_t version)
    {
        field("Effect", o.Effect);
        field("FrameWidth", o.FrameWidth);
        field("Border", o.Border);
        field("FrameColour1", o.FrameColour1);
        field("FrameColour2", o.FrameColour2);
        field("FrameColour3", o.FrameColour3);
        field("TextColour", o.TextColour);
        field("BackColour", o.BackColour);
        field("BackPictureMode", o.BackPictureMode);
        field("GradientMode", o.GradientMode);
        field("GradientColour1", o.GradientColour1);
        field("GradientColour2", o.GradientColour2);
        field("GradientColour3", o.GradientColour3);
        field("HorizontalAlign", o.HorizontalAlign);
        field("VerticalAlign", o.VerticalAlign);
        field("WordWrap", o.WordWrap);
        field("Font", o.Font);
        field("BackPicture", o.BackPicture);
        field("Caption", o.Caption);
        if (version >= 2) {
            field("DataSource", o.DataSource);
            field("DataColumn", o.DataColumn);
        }
    }

    bool operator==(const LabelOptions&) const = default;
};

}  // namespace rt
